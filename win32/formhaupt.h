// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "button_search.h"
#include "form_controls.h"
#include "formhaupt_handlers.h"
#include "label_painting.h"
#include "live_region.h"
#include "spoken_feedback.h"
#include "win32_display.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace letterfibel::win32 {

class Win32Runtime;

// The one window on the plain Win32 API: 26 controls built from the shared control table,
// each button's click handed to its handler, the handlers handing it to the quiz engine. It
// keeps no score of its own.
class FormHaupt {
public:
    FormHaupt(HINSTANCE instance, Win32Runtime& runtime);
    ~FormHaupt();
    FormHaupt(const FormHaupt&) = delete;
    FormHaupt& operator=(const FormHaupt&) = delete;

    // Creates the window with its controls and runs Form_Load; null when that failed.
    HWND create();
    // A letter typed on the window moves the focus to the button it begins, before the dialog
    // manager sees it; true when the message was taken.
    bool takeTypedLetter(const MSG& message);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);
    bool onCreate();
    void onCommand(int id, int code);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    void onActivate(bool active, bool minimized);
    void showError(const std::wstring& message);
    // Lays the window out for the monitor's density, or for the largest scale down to 100 %
    // at which it still fits the monitor's work area; suggested is WM_DPICHANGED's rectangle.
    void layout(UINT dpi, const RECT* suggested);

    HWND control(letterfibel::ControlId id) const;

    HINSTANCE m_instance;
    Win32Runtime& m_runtime;
    HWND m_window = nullptr;
    bool m_created = false;
    HWND m_lastFocus = nullptr;
    letterfibel::ButtonSearch m_search;
    std::array<HWND, letterfibel::kControlCount> m_controls{};
    std::map<std::tuple<int, bool, bool>, Font> m_fonts;
    std::unique_ptr<Win32Display> m_display;
    std::unique_ptr<letterfibel::SpokenFeedback> m_spoken;
    LiveRegion m_notice;
    std::unique_ptr<letterfibel::FormHauptHandlers> m_handlers;
    // Shared with the thread of the open message, which may outlive the window.
    std::shared_ptr<std::atomic<bool>> m_errorShown = std::make_shared<std::atomic<bool>>(false);
};

} // namespace letterfibel::win32
