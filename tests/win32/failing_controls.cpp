// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program on a system where the labels of its window cannot be created, as on one out of
// window handles: a class of this module named "STATIC" comes before the system's, refuses
// every label whose parent is Letterfibel's window and hands everything else to the system's
// class, so that the message about the failure can still be shown.
#include "program.h"

#include <cwchar>

using namespace letterfibel::win32;

namespace {

WNDPROC g_systemStatic = nullptr;

LRESULT CALLBACK refuseLetterfibelLabels(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        wchar_t parentClass[32] = {};
        GetClassNameW(reinterpret_cast<CREATESTRUCTW*>(l)->hwndParent, parentClass, 32);
        if (std::wcscmp(parentClass, L"Letterfibel") == 0)
            return FALSE;
    }
    return CallWindowProcW(g_systemStatic, window, message, w, l);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    GetClassInfoExW(nullptr, L"STATIC", &windowClass);
    g_systemStatic = windowClass.lpfnWndProc;
    windowClass.lpfnWndProc = refuseLetterfibelLabels;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"STATIC";
    windowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    RegisterClassExW(&windowClass);
    return runLetterfibel(instance, showCommand);
}
