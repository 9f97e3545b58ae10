// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_display.h"

#include "form_controls.h"
#include "greek_glyphs.h"
#include "wide_text.h"

#include <stdexcept>

namespace letterfibel::win32 {

using letterfibel::DisplayControl;

namespace {

void setWindowText(HWND control, const std::wstring& text) {
    if (!SetWindowTextW(control, text.c_str()))
        throw std::runtime_error("Ein Anzeigefeld lässt sich nicht beschriften");
}

} // namespace

void Win32Display::forgetControls() {
    m_colours.clear();
    m_shown.clear();
}

Win32Display::Win32Display(const Controls& controls)
    : m_controls(controls) {
    for (const DisplayControl control :
         {DisplayControl::LabelAnzeige, DisplayControl::LabelAnzeigeText}) {
        m_shown[handleOf(control)] = std::wstring();
        setWindowText(handleOf(control), wideFromUtf8(letterfibel::accessibleName(control, {})));
    }
}

HWND Win32Display::handleOf(DisplayControl control) const {
    return m_controls[letterfibel::controlIndex(letterfibel::controlShowing(control))];
}

void Win32Display::setCaption(DisplayControl control, const std::string& text) {
    HWND window = handleOf(control);
    switch (control) {
    case DisplayControl::LabelAnzeige:
        // Its window text is its accessible name, which stays: the glyph would say the answer.
        m_shown[window] = wideFromUtf16(letterfibel::greekFromSymbolText(text));
        break;
    case DisplayControl::LabelAnzeigeText:
        setWindowText(window, wideFromUtf8(letterfibel::accessibleName(control, text)));
        m_shown[window] = wideFromUtf8(text);
        break;
    default:
        setWindowText(window, wideFromUtf8(letterfibel::accessibleName(control, text)));
        break;
    }
    InvalidateRect(window, nullptr, FALSE);
}

void Win32Display::setForeColour(DisplayControl control, std::int32_t colour) {
    setTextColour(handleOf(control), colour);
}

void Win32Display::setTextColour(HWND control, std::int32_t colour) {
    const letterfibel::Rgb rgb = letterfibel::rgbOf(colour);
    m_colours[control] = RGB(rgb.red, rgb.green, rgb.blue);
    InvalidateRect(control, nullptr, FALSE);
}

std::optional<COLORREF> Win32Display::textColour(HWND control) const {
    const auto found = m_colours.find(control);
    if (found == m_colours.end())
        return std::nullopt;
    return found->second;
}

const std::wstring* Win32Display::shownText(HWND control) const {
    const auto found = m_shown.find(control);
    return found == m_shown.end() ? nullptr : &found->second;
}

} // namespace letterfibel::win32
