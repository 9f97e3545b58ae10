// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_runtime.h"

#include <utility>

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

void Win32Runtime::callBackAfter(Duration delay, std::function<void()> callBack) {
    m_waiting.keep(std::move(callBack));
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(delay).count();
    // Replaces a timer of the same id that still runs.
    SetTimer(m_window, kPauseTimer, static_cast<UINT>(milliseconds), nullptr);
}

void Win32Runtime::cancelCallBack() {
    KillTimer(m_window, kPauseTimer);
    m_waiting.forget();
}

void Win32Runtime::pauseTimerFired() {
    // A window timer repeats; the pause is one shot.
    KillTimer(m_window, kPauseTimer);
    m_waiting.run();
}

void Win32Runtime::endProgram() {
    // The window is destroyed once, by the first end; its timer goes with it.
    HWND window = std::exchange(m_window, nullptr);
    m_waiting.forget();
    if (window)
        DestroyWindow(window);
}

} // namespace letterfibel::win32
