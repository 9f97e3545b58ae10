// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_controls.h"
#include "quiz.h"

#include <functional>
#include <string>
#include <string_view>

namespace letterfibel {

class Display;
class RuntimeServices;

// The window's twenty event handlers, the same for every front end: Load, and the Click of each
// button, which the front end hands over by the button's id. Each handler passes the click to
// the quiz engine; a failure ends the handler there and is reported, never thrown on.
class FormHauptHandlers {
public:
    // Gets the whole message for the learner.
    using ErrorReport = std::function<void(const std::string& message)>;

    FormHauptHandlers(Display& display, RuntimeServices& runtime, ErrorReport reportError);

    void Form_Load();
    // Runs the Click handler of the button; a control without one is left alone.
    void click(ControlId button);

private:
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
    template <typename Action> void runHandler(Action&& action) noexcept;

    RuntimeServices& m_runtime;
    Quiz m_quiz;
    ErrorReport m_reportError;
};

} // namespace letterfibel
