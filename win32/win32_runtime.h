// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standard_services.h"
#include "waiting_call_back.h"

#include <windows.h>

namespace letterfibel::win32 {

// The runtime services of the Windows program: the pause is a timer of the window, whose
// WM_TIMER every message loop dispatches, the system's modal ones (the window menu, a drag of the
// title bar) included; the end of the program destroys the window.
class Win32Runtime : public letterfibel::StandardServices {
public:
    static constexpr UINT_PTR kPauseTimer = 1;

    // The window that owns the timer, from its creation until WM_DESTROY.
    void setWindow(HWND window) { m_window = window; }

    void callBackAfter(Duration delay, std::function<void()> callBack) override;
    void cancelCallBack() override;
    void endProgram() override;
    // The window's WM_TIMER for kPauseTimer.
    void pauseTimerFired();

    // Hands one message to the window, with Tab, Shift+Tab and Space as in a dialog and Return
    // doing nothing. Returns false for WM_QUIT.
    bool dispatch(MSG& message);

private:
    HWND m_window = nullptr;
    letterfibel::WaitingCallBack m_waiting;
};

} // namespace letterfibel::win32
