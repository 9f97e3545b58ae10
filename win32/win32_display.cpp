// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_display.h"

#include "greek_glyphs.h"
#include "wide_text.h"

#include <stdexcept>

using letterfibel::DisplayControl;

Win32Display::Win32Display(const Controls& controls)
    : m_controls(controls) {}

HWND Win32Display::existing(DisplayControl control) const {
    const HWND byControl[] = {m_controls.frame1, m_controls.labelAnzeige,
                              m_controls.labelAnzeigeText, m_controls.labelRichtig,
                              m_controls.labelFalsch};
    HWND window = byControl[static_cast<std::size_t>(control)];
    if (!window || !IsWindow(window))
        throw std::runtime_error("Ein Anzeigefeld des Fensters ist nicht mehr vorhanden");
    return window;
}

void Win32Display::setCaption(DisplayControl control, const std::string& text) {
    HWND window = existing(control);
    const std::wstring shown = control == DisplayControl::LabelAnzeige
                                   ? wideFromUtf16(letterfibel::greekFromSymbolText(text))
                                   : wideFromUtf8(text);
    if (!SetWindowTextW(window, shown.c_str()))
        throw std::runtime_error("Ein Anzeigefeld lässt sich nicht beschriften");
}

void Win32Display::setForeColour(DisplayControl control, std::int32_t colour) {
    setTextColour(existing(control), colour);
}

void Win32Display::setTextColour(HWND control, std::int32_t colour) {
    m_colours[control] = static_cast<COLORREF>(colour);
    InvalidateRect(control, nullptr, TRUE);
}

std::optional<COLORREF> Win32Display::textColour(HWND control) const {
    const auto found = m_colours.find(control);
    if (found == m_colours.end())
        return std::nullopt;
    return found->second;
}
