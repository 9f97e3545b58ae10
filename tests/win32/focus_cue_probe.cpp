// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program, watched from its own thread with a message hook: at the end it prints whether
// its window asked, before it was first shown, for the focus rectangle to be drawn. Windows
// hides it until the first key otherwise; Wine always draws it, so only the request shows.
#include "program.h"

#include <cstdio>
#include <cwchar>

using namespace letterfibel::win32;

namespace {

HHOOK g_hook = nullptr;
bool g_shown = false;
bool g_askedBeforeShown = false;

bool isProgramWindow(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return std::wcscmp(name, L"Letterfibel") == 0;
}

LRESULT CALLBACK watch(int code, WPARAM w, LPARAM l) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && isProgramWindow(sent->hwnd)) {
        if (sent->message == WM_SHOWWINDOW && sent->wParam)
            g_shown = true;
        if (sent->message == WM_CHANGEUISTATE && LOWORD(sent->wParam) == UIS_CLEAR &&
            (HIWORD(sent->wParam) & UISF_HIDEFOCUS) && !g_shown)
            g_askedBeforeShown = true;
    }
    return CallNextHookEx(g_hook, code, w, l);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    g_hook = SetWindowsHookExW(WH_CALLWNDPROC, watch, nullptr, GetCurrentThreadId());
    const int code = runLetterfibel(instance, showCommand);
    std::printf("focus rectangle from the start: %s\n", g_askedBeforeShown ? "yes" : "no");
    std::fflush(stdout);
    return code;
}
