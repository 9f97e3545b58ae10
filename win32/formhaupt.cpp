// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhaupt.h"

#include "wide_text.h"
#include "win32_runtime.h"

#include <algorithm>
#include <numeric>

using letterfibel::ControlDefinition;
using letterfibel::ControlId;
using letterfibel::ControlKind;

namespace {

constexpr wchar_t kClassName[] = L"Letterfibel";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Control ids start above IDOK and IDCANCEL, which the dialog manager sends for Return and Esc.
constexpr int kFirstControlId = 100;

int scaled(int twips, UINT dpi) {
    return MulDiv(twips / letterfibel::kTwipsPerPixel, static_cast<int>(dpi), 96);
}

DWORD controlStyle(const ControlDefinition& control) {
    constexpr DWORD kCommon = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (control.kind) {
    case ControlKind::Label:
        switch (control.alignment) {
        case letterfibel::TextAlignment::Left:
            return kCommon | SS_NOPREFIX | SS_LEFT;
        case letterfibel::TextAlignment::Centre:
            return kCommon | SS_NOPREFIX | SS_CENTER;
        case letterfibel::TextAlignment::Right:
            return kCommon | SS_NOPREFIX | SS_RIGHT;
        }
        break;
    case ControlKind::Frame:
        return kCommon | BS_GROUPBOX;
    case ControlKind::Button:
        return kCommon | WS_TABSTOP | BS_PUSHBUTTON;
    }
    return kCommon;
}

} // namespace

void showErrorMessage(const std::wstring& what) {
    // On a thread of its own, so that the window and a pause running in it go on.
    auto* text = new std::wstring(L"Diese Aktion wurde abgebrochen:\n" + what);
    const auto show = [](void* parameter) -> DWORD {
        std::unique_ptr<std::wstring> message(static_cast<std::wstring*>(parameter));
        MessageBoxW(nullptr, message->c_str(), L"Letterfibel",
                    MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
        return 0;
    };
    if (HANDLE thread = CreateThread(nullptr, 0, show, text, 0, nullptr))
        CloseHandle(thread);
    else
        delete text;
}

FormHaupt::FormHaupt(HINSTANCE instance, Win32Runtime& runtime)
    : m_instance(instance)
    , m_runtime(runtime) {}

FormHaupt::~FormHaupt() {
    if (m_window && IsWindow(m_window))
        DestroyWindow(m_window);
}

HWND FormHaupt::create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &FormHaupt::windowProcedure;
    windowClass.hInstance = m_instance;
    windowClass.hIcon = LoadIconW(m_instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        return nullptr;
    // The size follows in layout(), once the window knows its screen's density.
    CreateWindowExW(0, kClassName, L"Letterfibel", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    letterfibel::kClientWidth, letterfibel::kClientHeight, nullptr, nullptr,
                    m_instance, this);
    return m_window;
}

LRESULT CALLBACK FormHaupt::windowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<FormHaupt*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<FormHaupt*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self)
        return DefWindowProcW(window, message, w, l);
    return self->handle(window, message, w, l);
}

LRESULT FormHaupt::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_COMMAND:
        onCommand(LOWORD(w), HIWORD(w));
        return 0;
    case WM_CTLCOLORSTATIC:
        return onCtlColorStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_ACTIVATE:
        onActivate(LOWORD(w) != WA_INACTIVE);
        return 0;
    case WM_DPICHANGED: {
        layout(HIWORD(w));
        const RECT* suggested = reinterpret_cast<const RECT*>(l);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        return 0;
    }
    case WM_CLOSE:
        // Closing ends the program, also in the middle of a pause.
        m_runtime.endProgram();
        return 0;
    case WM_DESTROY:
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, w, l);
    }
}

bool FormHaupt::onCreate() {
    const auto& table = letterfibel::formHauptControls();
    // Created in tab order: the dialog manager moves the focus along the creation order.
    std::array<std::size_t, letterfibel::kControlCount> order{};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return table[a].tabIndex < table[b].tabIndex; });
    for (const std::size_t index : order) {
        const ControlDefinition& control = table[index];
        const wchar_t* windowClass = control.kind == ControlKind::Label ? L"STATIC" : L"BUTTON";
        const std::wstring caption = wideFromUtf8(control.caption);
        m_controls[index] = CreateWindowExW(
            0, windowClass, caption.c_str(), controlStyle(control), 0, 0, 0, 0, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), m_instance,
            nullptr);
        if (!m_controls[index])
            return false;
    }
    // The counters in front of the feedback they overlap, the frame behind its labels.
    for (ControlId id : {ControlId::LabelRichtig, ControlId::LabelFalsch})
        SetWindowPos(control(id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(control(ControlId::Frame1), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    m_display = std::make_unique<Win32Display>(
        Win32Display::Controls{control(ControlId::Frame1), control(ControlId::LabelAnzeige),
                               control(ControlId::LabelAnzeigeText),
                               control(ControlId::LabelRichtig), control(ControlId::LabelFalsch)});
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].foreColour != letterfibel::kDefaultColour)
            m_display->setTextColour(m_controls[i], table[i].foreColour);
    m_handlers = std::make_unique<letterfibel::FormHauptHandlers>(
        *m_display, m_runtime,
        [](const std::string& what) { showErrorMessage(wideFromUtf8(what)); });

    layout(GetDpiForWindow(m_window));
    m_lastFocus = control(ControlId::CommandEnde);
    SetFocus(m_lastFocus);
    // The focus rectangle from the start: Space at start already acts on "Ende".
    SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    m_handlers->Form_Load();
    return true;
}

void FormHaupt::layout(UINT dpi) {
    const auto& table = letterfibel::formHauptControls();
    const ControlDefinition& frame = letterfibel::controlDefinition(ControlId::Frame1);
    // A new density needs new fonts; the old ones go once no control uses them.
    std::map<std::pair<int, bool>, Font> fonts;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlDefinition& control = table[i];
        const int left = control.left + (control.inFrame1 ? frame.left : 0);
        const int top = control.top + (control.inFrame1 ? frame.top : 0);
        SetWindowPos(m_controls[i], nullptr, scaled(left, dpi), scaled(top, dpi),
                     scaled(control.width, dpi), scaled(control.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        Font& font = fonts[{control.fontPixels, control.bold}];
        if (!font)
            font.reset(CreateFontW(-MulDiv(control.fontPixels, static_cast<int>(dpi), 96), 0, 0, 0,
                                   control.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    m_fonts = std::move(fonts);
    RECT frameRect{0, 0, MulDiv(letterfibel::kClientWidth, static_cast<int>(dpi), 96),
                   MulDiv(letterfibel::kClientHeight, static_cast<int>(dpi), 96)};
    AdjustWindowRectExForDpi(&frameRect, kStyle, FALSE, 0, dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frameRect.right - frameRect.left,
                 frameRect.bottom - frameRect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT FormHaupt::onCtlColorStatic(HDC dc, HWND control) {
    const auto colour = m_display ? m_display->textColour(control) : std::nullopt;
    SetTextColor(dc, colour ? *colour : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void FormHaupt::onActivate(bool active) {
    // As a dialog does: the focus comes back to the control that had it.
    if (!active) {
        if (HWND focused = GetFocus(); focused && IsChild(m_window, focused))
            m_lastFocus = focused;
        return;
    }
    if (m_lastFocus && IsWindow(m_lastFocus))
        SetFocus(m_lastFocus);
}

HWND FormHaupt::control(ControlId id) const {
    return m_controls[letterfibel::controlIndex(id)];
}

void FormHaupt::onCommand(int id, int code) {
    // Return and Esc arrive as IDOK and IDCANCEL, below the controls' ids: nothing to do.
    const int index = id - kFirstControlId;
    if (code != BN_CLICKED || index < 0 || index >= static_cast<int>(letterfibel::kControlCount))
        return;
    m_handlers->click(static_cast<ControlId>(index));
}
