// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"

#include <windows.h>

#include <map>
#include <optional>

// The engine's five display controls, as the window's group box and static controls. Text
// colours are kept here and applied when a control asks its parent for its colours.
class Win32Display : public letterfibel::Display {
public:
    // In the order of DisplayControl.
    struct Controls {
        HWND frame1;
        HWND labelAnzeige;
        HWND labelAnzeigeText;
        HWND labelRichtig;
        HWND labelFalsch;
    };

    explicit Win32Display(const Controls& controls);

    void setCaption(letterfibel::DisplayControl control, const std::string& text) override;
    void setForeColour(letterfibel::DisplayControl control, std::int32_t colour) override;

    // A colour number &H00BBGGRR is a COLORREF as it is.
    void setTextColour(HWND control, std::int32_t colour);
    std::optional<COLORREF> textColour(HWND control) const;

private:
    // Throws when the control no longer exists.
    HWND existing(letterfibel::DisplayControl control) const;

    Controls m_controls;
    std::map<HWND, COLORREF> m_colours;
};
