// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"
#include "form_controls.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace letterfibel::win32 {

// The engine's five display controls, as the window's frame and labels, which the window
// paints itself. What a label shows and its accessible name (its window text) are kept apart
// where they differ: the letter on display is named, never spelled out, and the empty
// feedback keeps a name.
class Win32Display : public letterfibel::Display {
public:
    // The window's controls by ControlId, kept by the window, which outlives the display and
    // empties them when it is destroyed.
    using Controls = std::array<HWND, letterfibel::kControlCount>;
    explicit Win32Display(const Controls& controls);

    void showVerdict(letterfibel::Verdict) override {}
    void setCaption(letterfibel::DisplayControl control, const std::string& text) override;
    void setForeColour(letterfibel::DisplayControl control, std::int32_t colour) override;

    void setTextColour(HWND control, std::int32_t colour);
    std::optional<COLORREF> textColour(HWND control) const;
    // What a label shows, where it is not its window text.
    const std::wstring* shownText(HWND control) const;
    // The window is being destroyed: nothing is kept by its controls' handles past it.
    void forgetControls();

private:
    HWND handleOf(letterfibel::DisplayControl control) const;

    const Controls& m_controls;
    std::map<HWND, COLORREF> m_colours;
    std::map<HWND, std::wstring> m_shown;
};

} // namespace letterfibel::win32
