// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standard_services.h"

#include <windows.h>

namespace letterfibel::win32 {

// The runtime services of the Windows program: the pump is the window's message loop, which
// sleeps until a message comes or the deadline passes; the end of the program destroys the
// window and ends every loop, the nested one of a pause included.
class Win32Runtime : public letterfibel::StandardServices {
public:
    void setWindow(HWND window) { m_window = window; }

    void pumpEvents(Clock::time_point deadline) override;
    void endProgram() override;
    bool hasEnded() const override { return m_ended; }

    // Hands one message to the window, with Tab, Shift+Tab and Space as in a dialog and Return
    // doing nothing. Returns false for WM_QUIT.
    bool dispatch(MSG& message);

private:
    HWND m_window = nullptr;
    bool m_ended = false;
};

} // namespace letterfibel::win32
