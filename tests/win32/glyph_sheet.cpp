// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// glyph_sheet CODEPOINT: a borderless window titled "Glyphen" of the letter display's size,
// with that one character drawn as the program draws its letter (same painting, same face, at
// 96 dpi), for a test to compare with what the program shows.
#include "form_controls.h"
#include "label_painting.h"

#include <windows.h>

#include <cwchar>
#include <string>

using namespace letterfibel::win32;

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    if (message == WM_PAINT) {
        const auto* glyph =
            reinterpret_cast<const std::wstring*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT box;
        GetClientRect(window, &box);
        const letterfibel::ControlDefinition& letter =
            letterfibel::controlDefinition(letterfibel::ControlId::LabelAnzeige);
        const Font font = createFont(letterFace(), letter.fontPixels, letter.bold, 96);
        paintLabel(dc, box, *glyph, font.get(), GetSysColor(COLOR_BTNTEXT), letter.alignment);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, w, l);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    std::wstring glyph(1, static_cast<wchar_t>(std::wcstol(argv[1], nullptr, 16)));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Glyphen";
    RegisterClassExW(&windowClass);
    const letterfibel::ControlDefinition& letter =
        letterfibel::controlDefinition(letterfibel::ControlId::LabelAnzeige);
    CreateWindowExW(0, L"Glyphen", L"Glyphen", WS_POPUP | WS_VISIBLE, 0, 0,
                    letter.width / letterfibel::kTwipsPerPixel,
                    letter.height / letterfibel::kTwipsPerPixel, nullptr, nullptr,
                    windowClass.hInstance, &glyph);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
