// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_controls.h"
#include "quiz.h"
#include "win32_display.h"

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <string_view>

class Win32Runtime;

// The one window on the plain Win32 API: 26 standard controls built from the shared control
// table, each button wired to its handler, the handlers handing every click to the quiz
// engine. It keeps no score of its own.
class FormHaupt {
public:
    FormHaupt(HINSTANCE instance, Win32Runtime& runtime);
    ~FormHaupt();
    FormHaupt(const FormHaupt&) = delete;
    FormHaupt& operator=(const FormHaupt&) = delete;

    // Creates the window with its controls and runs Form_Load; null when that failed.
    HWND create();

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);
    bool onCreate();
    void onCommand(int id, int code);
    LRESULT onCtlColorStatic(HDC dc, HWND control);
    void onActivate(bool active);
    void layout(UINT dpi);

    void Form_Load();
    void CommandKlein_Click();
    void CommandGross_Click();
    void CommandGemischt_Click();
    void CommandEnde_Click();
    void CommandAl_Click();
    void CommandBe_Click();
    void CommandGa_Click();
    void CommandDe_Click();
    void CommandEp_Click();
    void CommandEt_Click();
    void CommandTh_Click();
    void CommandLa_Click();
    void CommandMy_Click();
    void CommandNy_Click();
    void CommandPi_Click();
    void CommandRh_Click();
    void CommandSi_Click();
    void CommandPh_Click();
    void CommandOm_Click();

    void judge(std::string_view name);
    // Runs one handler; a failure ends it and is shown, and never leaves the window procedure.
    template <typename Action> void runHandler(Action&& action) noexcept;
    HWND control(letterfibel::ControlId id) const;

    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

    HINSTANCE m_instance;
    Win32Runtime& m_runtime;
    HWND m_window = nullptr;
    HWND m_lastFocus = nullptr;
    std::array<HWND, letterfibel::kControlCount> m_controls{};
    std::map<std::pair<int, bool>, Font> m_fonts;
    std::unique_ptr<Win32Display> m_display;
    std::unique_ptr<letterfibel::Quiz> m_quiz;
};

// Shows a short German message without blocking the window or a running pause.
void showErrorMessage(const std::wstring& what);
