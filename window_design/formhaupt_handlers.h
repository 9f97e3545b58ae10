// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_controls.h"
#include "quiz.h"
#include "runtime_services.h"

#include <functional>
#include <string>
#include <string_view>

namespace letterfibel {

class Display;

// The window's twenty event handlers, the same for every front end: Load, and the Click of each
// button, which the front end hands over by the button's id. Each handler passes the click to
// the quiz engine; a failure ends the handler there and is reported, never thrown on. The end
// of the pause, which the front end's loop calls back, is handled alike.
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

    // The front end's runtime, whose call-backs run as handlers do.
    class HandledRuntime : public RuntimeServices {
    public:
        HandledRuntime(RuntimeServices& runtime, FormHauptHandlers& handlers)
            : m_runtime(runtime)
            , m_handlers(handlers) {}
        void seedFromClock() override { m_runtime.seedFromClock(); }
        double nextRandom() override { return m_runtime.nextRandom(); }
        void callBackAfter(Duration delay, std::function<void()> callBack) override;
        void cancelCallBack() override { m_runtime.cancelCallBack(); }
        void endProgram() override { m_runtime.endProgram(); }

    private:
        RuntimeServices& m_runtime;
        FormHauptHandlers& m_handlers;
    };

    HandledRuntime m_runtime;
    Quiz m_quiz;
    ErrorReport m_reportError;
};

} // namespace letterfibel
