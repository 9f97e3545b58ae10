// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Meets the program as a screen reader does: from another process, through WinEvents and the
// accessible objects they name.
//   screen_reader_client listen  prints "ready", then for each event "focus NAME" or
//                                "live NAME", and "greek NAME" for each control of that
//                                window whose accessible name holds a Greek letter; a second
//                                after a live event, "later NAME": the live region's name read
//                                again, as a reader that fetches it a moment late finds it;
//                                runs until it is killed
//   screen_reader_client focus   prints "focus NAME": the control of the window "Letterfibel"
//                                that has the keyboard focus
//   screen_reader_client window  prints "window NAME" and "description TEXT": the window
//                                "Letterfibel" as a reader presents it when it comes to the front
//   screen_reader_client names   prints "name NAME" for each child of that window's accessible
//                                object that has a name, as a review of the window finds them
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

namespace {

// IID_IAccessible; liboleacc's symbol of that name is an import thunk, not the GUID.
constexpr GUID kAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

void print(const char* kind, const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    std::printf("%s %s\n", kind, utf8.c_str());
    std::fflush(stdout);
}

// get_accName or get_accDescription.
using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::wstring textOf(IAccessible* accessible, VARIANT child,
                    TextProperty property = &IAccessible::get_accName) {
    BSTR text = nullptr;
    std::wstring copy;
    if (SUCCEEDED((accessible->*property)(child, &text)) && text)
        copy = text;
    SysFreeString(text);
    return copy;
}

// The name, or another text, of a window's client area as its accessible object gives it.
std::wstring textOfWindow(HWND window, TextProperty property = &IAccessible::get_accName) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessible,
                                          reinterpret_cast<void**>(&accessible))))
        return {};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    std::wstring text = textOf(accessible, self, property);
    accessible->Release();
    return text;
}

BOOL CALLBACK reportGreekName(HWND control, LPARAM) {
    const std::wstring name = textOfWindow(control);
    for (const wchar_t c : name) {
        if (c >= 0x0370 && c <= 0x03FF) {
            print("greek", name);
            break;
        }
    }
    return TRUE;
}

// The live region of the last live event, read again by the timer.
HWND g_liveRegion = nullptr;

void CALLBACK readLiveRegionAgain(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    print("later", textOfWindow(g_liveRegion));
}

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                      DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT which{};
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), &accessible, &which)))
        return;
    print(event == EVENT_OBJECT_FOCUS ? "focus" : "live", textOf(accessible, which));
    accessible->Release();
    if (event == EVENT_OBJECT_LIVEREGIONCHANGED) {
        EnumChildWindows(GetAncestor(window, GA_ROOT), reportGreekName, 0);
        g_liveRegion = window;
        SetTimer(nullptr, 0, 1000, readLiveRegionAgain);
    }
}

int listen() {
    constexpr DWORD kFlags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
    SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, onEvent, 0, 0, kFlags);
    SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                    onEvent, 0, 0, kFlags);
    std::puts("ready");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}

int focus() {
    HWND window = FindWindowW(L"Letterfibel", L"Letterfibel");
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) ||
        !thread.hwndFocus) {
        std::puts("no focus");
        return 1;
    }
    print("focus", textOfWindow(thread.hwndFocus));
    return 0;
}

int window() {
    HWND window = FindWindowW(L"Letterfibel", L"Letterfibel");
    if (!window)
        return 1;
    print("window", textOfWindow(window));
    print("description", textOfWindow(window, &IAccessible::get_accDescription));
    return 0;
}

int names() {
    HWND window = FindWindowW(L"Letterfibel", L"Letterfibel");
    IAccessible* client = nullptr;
    if (!window ||
        FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessible,
                                          reinterpret_cast<void**>(&client))))
        return 1;
    long count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long found = 0;
    AccessibleChildren(client, 0, count, children.data(), &found);
    // Each child a control of its own, named by its own client area as the focus event names it.
    for (long index = 0; index < found; ++index) {
        VARIANT& child = children[static_cast<std::size_t>(index)];
        HWND control = nullptr;
        IAccessible* object = nullptr;
        if (child.vt == VT_DISPATCH && child.pdispVal &&
            SUCCEEDED(
                child.pdispVal->QueryInterface(kAccessible, reinterpret_cast<void**>(&object)))) {
            WindowFromAccessibleObject(object, &control);
            object->Release();
        }
        const std::wstring name = control ? textOfWindow(control) : std::wstring();
        if (!name.empty())
            print("name", name);
        VariantClear(&child);
    }
    client->Release();
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Lines end in \n alone, as the shell reading them expects.
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"listen")
        return listen();
    if (mode == L"focus")
        return focus();
    if (mode == L"window")
        return window();
    if (mode == L"names")
        return names();
    std::fputs("usage: screen_reader_client listen|focus|window|names\n", stderr);
    return 2;
}
