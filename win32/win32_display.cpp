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
    HWND window = nullptr;
    switch (control) {
    case DisplayControl::Frame1:
        window = m_controls.frame1;
        break;
    case DisplayControl::LabelAnzeige:
        window = m_controls.labelAnzeige;
        break;
    case DisplayControl::LabelAnzeigeText:
        window = m_controls.labelAnzeigeText;
        break;
    case DisplayControl::LabelRichtig:
        window = m_controls.labelRichtig;
        break;
    case DisplayControl::LabelFalsch:
        window = m_controls.labelFalsch;
        break;
    }
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
