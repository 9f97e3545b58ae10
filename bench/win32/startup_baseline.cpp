// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Win32 window with 26 default controls of the kinds and sizes of Letterfibel's window:
// what any such program costs to start.
#include "form_controls.h"

#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Baseline";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"Baseline", L"Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, letterfibel::kClientWidth,
                                  letterfibel::kClientHeight, nullptr, nullptr, instance, nullptr);
    for (const letterfibel::ControlDefinition& control : letterfibel::formHauptControls()) {
        const bool label = control.kind == letterfibel::ControlKind::Label;
        const letterfibel::PixelRect place = letterfibel::pixelsInWindow(control);
        CreateWindowExW(0, label ? L"STATIC" : L"BUTTON", L"", WS_CHILD | WS_VISIBLE, place.left,
                        place.top, place.width, place.height, window, nullptr, instance, nullptr);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
