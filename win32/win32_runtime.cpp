// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_runtime.h"

#include <algorithm>

namespace letterfibel::win32 {

bool Win32Runtime::dispatch(MSG& message) {
    if (message.message == WM_QUIT)
        return false;
    // Return is no key of this window: no button is the default one.
    const bool isReturn = (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
                           message.message == WM_CHAR) &&
                          (message.wParam == VK_RETURN || message.wParam == L'\r');
    if (isReturn)
        return true;
    if (m_window && IsDialogMessageW(m_window, &message))
        return true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

void Win32Runtime::pumpEvents(Clock::time_point deadline) {
    MSG message;
    while (!m_ended && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!dispatch(message)) {
            // Leave the quit for the outer loop, which ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            m_ended = true;
            return;
        }
    }
    if (m_ended)
        return;
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - now()).count();
    if (remaining > 0)
        MsgWaitForMultipleObjectsEx(
            0, nullptr, static_cast<DWORD>(std::min<long long>(remaining, INFINITE - 1)),
            QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32Runtime::endProgram() {
    // The window is destroyed once, by the first end.
    if (m_ended)
        return;
    m_ended = true;
    if (m_window)
        DestroyWindow(m_window);
}

} // namespace letterfibel::win32
