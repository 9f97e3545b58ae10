// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhaupt.h"

#include "described_client.h"
#include "wide_text.h"
#include "win32_runtime.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <optional>

namespace letterfibel::win32 {

using letterfibel::ControlDefinition;
using letterfibel::ControlId;
using letterfibel::ControlKind;

namespace {

constexpr wchar_t kClassName[] = L"Letterfibel";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Control ids start above IDCANCEL, which the dialog manager sends for Esc.
constexpr int kFirstControlId = 100;
// Posted when the drill has words for the screen reader, so that they are said once the
// handler that gathered them has returned to the message loop.
constexpr UINT kWordsWaiting = WM_APP + 1;

int scaled(int pixels, UINT scale) {
    return letterfibel::scaledPixels(pixels, static_cast<int>(scale));
}

DWORD controlStyle(const ControlDefinition& control) {
    constexpr DWORD kCommon = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    if (control.kind == ControlKind::Button)
        return kCommon | WS_TABSTOP | BS_PUSHBUTTON;
    return kCommon | SS_OWNERDRAW | SS_NOPREFIX;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The window frame around a client area laid out at scale for a monitor of density dpi.
SIZE frameSize(UINT scale, UINT dpi) {
    RECT frame{0, 0, scaled(letterfibel::kClientWidth, scale),
               scaled(letterfibel::kClientHeight, scale)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace

void FormHaupt::showError(const std::wstring& message) {
    // The rule of both windows for a failed action (error_texts.h): on a thread of its own, so
    // that the window and a pause running in it go on, and one at a time.
    if (m_errorShown->exchange(true))
        return;
    struct Box {
        std::wstring title;
        std::wstring message;
        std::shared_ptr<std::atomic<bool>> shown;
    };
    auto* box = new Box{wideFromUtf8(letterfibel::kWindowTitle), message, m_errorShown};
    const auto show = [](void* parameter) -> DWORD {
        std::unique_ptr<Box> box(static_cast<Box*>(parameter));
        MessageBoxW(nullptr, box->message.c_str(), box->title.c_str(),
                    MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
        *box->shown = false;
        return 0;
    };
    if (HANDLE thread = CreateThread(nullptr, 0, show, box, 0, nullptr)) {
        CloseHandle(thread);
    } else {
        delete box;
        *m_errorShown = false;
    }
}

FormHaupt::FormHaupt(HINSTANCE instance, Win32Runtime& runtime)
    : m_instance(instance)
    , m_runtime(runtime) {}

FormHaupt::~FormHaupt() {
    // Null once the window has been destroyed (WM_DESTROY).
    if (m_window)
        DestroyWindow(m_window);
}

HWND FormHaupt::create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &FormHaupt::windowProcedure;
    windowClass.hInstance = m_instance;
    // Each slot gets the icon's picture of its own size, not one scaled down by the system.
    const auto icon = [this](int width, int height) {
        return static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(width), GetSystemMetrics(height),
                                             LR_DEFAULTCOLOR | LR_SHARED));
    };
    windowClass.hIcon = icon(SM_CXICON, SM_CYICON);
    windowClass.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        return nullptr;
    // The size follows in layout(), once the window knows its screen's density.
    const std::wstring title = wideFromUtf8(letterfibel::kWindowTitle);
    HWND window = CreateWindowExW(0, kClassName, title.c_str(), kStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, letterfibel::kClientWidth,
                                  letterfibel::kClientHeight, nullptr, nullptr, m_instance, this);
    // From here on, the window's end is the program's end.
    m_created = window != nullptr;
    return window;
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
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_ACTIVATE:
        onActivate(LOWORD(w) != WA_INACTIVE, HIWORD(w) != 0);
        return 0;
    case WM_TIMER:
        if (w == Win32Runtime::kPauseTimer)
            m_runtime.pauseTimerFired();
        return 0;
    case WM_GETOBJECT:
        if (static_cast<DWORD>(l) == static_cast<DWORD>(OBJID_CLIENT)) {
            if (const LRESULT object = describedClientObject(window, w))
                return object;
        }
        return DefWindowProcW(window, message, w, l);
    case WM_DPICHANGED:
        layout(HIWORD(w), reinterpret_cast<const RECT*>(l));
        return 0;
    case kWordsWaiting:
        m_notice.say(wideFromUtf8(m_spoken->takeWords()));
        return 0;
    case WM_CLOSE:
        // Closing ends the program, also in the middle of a pause, whose end then never comes.
        m_runtime.endProgram();
        return 0;
    case WM_DESTROY:
        // One owner for each handle, and none kept past the window: its controls go with it.
        m_window = nullptr;
        m_runtime.setWindow(nullptr);
        m_controls.fill(nullptr);
        m_lastFocus = nullptr;
        if (m_display)
            m_display->forgetControls();
        m_notice.forget();
        // A window whose creation failed leaves the message of its failure on screen.
        if (m_created)
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, w, l);
    }
}

bool FormHaupt::onCreate() {
    m_runtime.setWindow(m_window);
    const auto& table = letterfibel::formHauptControls();
    // Created in tab order: the dialog manager moves the focus along the creation order.
    for (const ControlId id : letterfibel::controlsInTabOrder()) {
        const ControlDefinition& control = letterfibel::controlDefinition(id);
        const std::size_t index = letterfibel::controlIndex(id);
        const wchar_t* windowClass = control.kind == ControlKind::Button ? L"BUTTON" : L"STATIC";
        const std::wstring caption = wideFromUtf8(control.caption);
        m_controls[index] = CreateWindowExW(
            0, windowClass, caption.c_str(), controlStyle(control), 0, 0, 0, 0, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), m_instance,
            nullptr);
        if (!m_controls[index])
            return false;
    }
    if (!m_notice.create(m_window, m_instance))
        return false;
    // The counters in front of the feedback they overlap, the frame behind its labels.
    for (ControlId id : {ControlId::LabelRichtig, ControlId::LabelFalsch})
        SetWindowPos(control(id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(control(ControlId::Frame1), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    // Naming the labels calls SetWindowTextW, which fails where the system has no memory left for
    // the text; nothing may throw through the window procedure, so that fails the creation.
    try {
        m_display = std::make_unique<Win32Display>(m_controls);
    } catch (const std::exception&) {
        return false;
    }
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].foreColour != letterfibel::kDefaultColour)
            m_display->setTextColour(m_controls[i], table[i].foreColour);
    m_spoken = std::make_unique<letterfibel::SpokenFeedback>(*m_display, [this] {
        // A null window would make it a message of the thread, which nobody takes.
        if (m_window)
            PostMessageW(m_window, kWordsWaiting, 0, 0);
    });
    m_handlers = std::make_unique<letterfibel::FormHauptHandlers>(
        *m_spoken, m_runtime,
        [this](const std::string& message) { showError(wideFromUtf8(message)); });

    layout(GetDpiForWindow(m_window), nullptr);
    m_lastFocus = control(letterfibel::focusAtStart());
    SetFocus(m_lastFocus);
    // The focus rectangle from the start: Space at start already acts on that button.
    SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    m_handlers->Form_Load();
    return true;
}

void FormHaupt::layout(UINT dpi, const RECT* suggested) {
    RECT place{};
    if (suggested)
        place = *suggested;
    else
        GetWindowRect(m_window, &place);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    // What the frame adds does not depend on the scale of the client area inside it.
    const SIZE withFrame = frameSize(letterfibel::kDesignScale, dpi);
    const auto scale = static_cast<UINT>(letterfibel::fittingScale(
        static_cast<int>(dpi), work.right - work.left, work.bottom - work.top,
        withFrame.cx - letterfibel::kClientWidth, withFrame.cy - letterfibel::kClientHeight));

    const auto& table = letterfibel::formHauptControls();
    // A new scale needs new fonts; the old ones go once no control uses them.
    std::map<std::tuple<int, bool, bool>, Font> fonts;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlDefinition& control = table[i];
        const letterfibel::PixelRect place = letterfibel::pixelsInWindow(control);
        SetWindowPos(m_controls[i], nullptr, scaled(place.left, scale), scaled(place.top, scale),
                     scaled(place.width, scale), scaled(place.height, scale),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const bool isLetter = control.id == ControlId::LabelAnzeige;
        Font& font = fonts[{control.fontPixels, control.bold, isLetter}];
        if (!font)
            font = createFont(isLetter ? letterFace() : wideFromUtf8(letterfibel::kTextFace),
                              control.fontPixels, control.bold, scale);
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    m_fonts = std::move(fonts);

    const SIZE size = frameSize(scale, dpi);
    int left = place.left;
    int top = place.top;
    if (!suggested) {
        // The system's default place, moved only as far as needed to show the whole window.
        left = letterfibel::movedIntoArea(left, size.cx, work.left, work.right - work.left);
        top = letterfibel::movedIntoArea(top, size.cy, work.top, work.bottom - work.top);
    }
    SetWindowPos(m_window, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormHaupt::onDrawItem(const DRAWITEMSTRUCT& item) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const int index = static_cast<int>(item.CtlID) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(letterfibel::kControlCount))
        return;
    const ControlDefinition& control = letterfibel::formHauptControls()[index];
    const std::wstring* shown = m_display ? m_display->shownText(item.hwndItem) : nullptr;
    const std::wstring text = shown ? *shown : windowText(item.hwndItem);
    if (control.kind == ControlKind::Frame) {
        paintFrame(item.hDC, item.rcItem, text, font);
        return;
    }
    const auto colour = m_display ? m_display->textColour(item.hwndItem) : std::nullopt;
    paintLabel(item.hDC, item.rcItem, text, font, colour ? *colour : GetSysColor(COLOR_BTNTEXT),
               control.alignment);
}

void FormHaupt::onActivate(bool active, bool minimized) {
    // As a dialog does: the focus comes back to the control that had it, once the window
    // can be seen; a key pressed meanwhile must not act on a hidden button.
    if (!active) {
        if (HWND focused = GetFocus(); focused && IsChild(m_window, focused))
            m_lastFocus = focused;
        return;
    }
    if (!minimized && m_lastFocus)
        SetFocus(m_lastFocus);
}

bool FormHaupt::takeTypedLetter(const MSG& message) {
    // With Alt a letter comes as WM_SYSCHAR, with Ctrl as a control character: neither searches.
    if (message.message != WM_CHAR || !m_window ||
        (message.hwnd != m_window && GetParent(message.hwnd) != m_window))
        return false;
    std::optional<ControlId> focused;
    for (const ControlDefinition& each : letterfibel::formHauptControls())
        if (control(each.id) == message.hwnd)
            focused = each.id;
    const letterfibel::ButtonSearch::Step step = m_search.typed(
        static_cast<char32_t>(message.wParam), std::chrono::milliseconds(message.time), focused);
    if (step.focus) {
        // As after Tab: the focus rectangle shows.
        SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        SetFocus(control(*step.focus));
    }
    return step.taken;
}

HWND FormHaupt::control(ControlId id) const {
    return m_controls[letterfibel::controlIndex(id)];
}

void FormHaupt::onCommand(int id, int code) {
    // Esc arrives as IDCANCEL, below the controls' ids: nothing to do.
    const int index = id - kFirstControlId;
    if (code != BN_CLICKED || index < 0 || index >= static_cast<int>(letterfibel::kControlCount))
        return;
    m_handlers->click(static_cast<ControlId>(index));
}

} // namespace letterfibel::win32
