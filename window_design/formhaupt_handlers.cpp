// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhaupt_handlers.h"

#include "error_texts.h"

#include <exception>
#include <utility>

namespace letterfibel {

FormHauptHandlers::FormHauptHandlers(Display& display, RuntimeServices& runtime,
                                     ErrorReport reportError)
    : m_runtime(runtime, *this)
    , m_quiz(display, m_runtime)
    , m_reportError(std::move(reportError)) {}

template <typename Action> void FormHauptHandlers::runHandler(Action&& action) noexcept {
    const auto report = [this](const char* what) noexcept {
        try {
            m_reportError(std::string(kActionAborted) + "\n" + what);
        } catch (...) {
            // Nothing is left to tell the learner with.
        }
    };
    try {
        action();
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("Unbekannter Fehler");
    }
}

void FormHauptHandlers::HandledRuntime::callBackAfter(Duration delay,
                                                      std::function<void()> callBack) {
    m_runtime.callBackAfter(
        delay, [this, callBack = std::move(callBack)] { m_handlers.runHandler(callBack); });
}

void FormHauptHandlers::click(ControlId button) {
    using Handler = void (FormHauptHandlers::*)();
    static constexpr std::pair<ControlId, Handler> kWiring[] = {
        {ControlId::CommandKlein, &FormHauptHandlers::CommandKlein_Click},
        {ControlId::CommandGross, &FormHauptHandlers::CommandGross_Click},
        {ControlId::CommandGemischt, &FormHauptHandlers::CommandGemischt_Click},
        {ControlId::CommandEnde, &FormHauptHandlers::CommandEnde_Click},
        {ControlId::CommandAl, &FormHauptHandlers::CommandAl_Click},
        {ControlId::CommandBe, &FormHauptHandlers::CommandBe_Click},
        {ControlId::CommandGa, &FormHauptHandlers::CommandGa_Click},
        {ControlId::CommandDe, &FormHauptHandlers::CommandDe_Click},
        {ControlId::CommandEp, &FormHauptHandlers::CommandEp_Click},
        {ControlId::CommandEt, &FormHauptHandlers::CommandEt_Click},
        {ControlId::CommandTh, &FormHauptHandlers::CommandTh_Click},
        {ControlId::CommandLa, &FormHauptHandlers::CommandLa_Click},
        {ControlId::CommandMy, &FormHauptHandlers::CommandMy_Click},
        {ControlId::CommandNy, &FormHauptHandlers::CommandNy_Click},
        {ControlId::CommandPi, &FormHauptHandlers::CommandPi_Click},
        {ControlId::CommandRh, &FormHauptHandlers::CommandRh_Click},
        {ControlId::CommandSi, &FormHauptHandlers::CommandSi_Click},
        {ControlId::CommandPh, &FormHauptHandlers::CommandPh_Click},
        {ControlId::CommandOm, &FormHauptHandlers::CommandOm_Click},
    };
    for (const auto& [control, handler] : kWiring) {
        if (control == button) {
            (this->*handler)();
            return;
        }
    }
}

void FormHauptHandlers::Form_Load() {
    runHandler([this] {
        m_quiz.Fill();
        m_quiz.Init();
        m_runtime.seedFromClock();
    });
}

void FormHauptHandlers::CommandKlein_Click() {
    runHandler([this] { m_quiz.StartKlein(); });
}

void FormHauptHandlers::CommandGross_Click() {
    runHandler([this] { m_quiz.StartGross(); });
}

void FormHauptHandlers::CommandGemischt_Click() {
    runHandler([this] { m_quiz.StartGemischt(); });
}

void FormHauptHandlers::CommandEnde_Click() {
    runHandler([this] { m_runtime.endProgram(); });
}

void FormHauptHandlers::judge(std::string_view name) {
    runHandler([this, name] { m_quiz.answerClicked(name); });
}

void FormHauptHandlers::CommandAl_Click() {
    judge("Alpha");
}
void FormHauptHandlers::CommandBe_Click() {
    judge("Beta");
}
void FormHauptHandlers::CommandGa_Click() {
    judge("Gamma");
}
void FormHauptHandlers::CommandDe_Click() {
    judge("Delta");
}
void FormHauptHandlers::CommandEp_Click() {
    judge("Epsilon");
}
void FormHauptHandlers::CommandEt_Click() {
    judge("Eta");
}
void FormHauptHandlers::CommandTh_Click() {
    judge("Theta");
}
void FormHauptHandlers::CommandLa_Click() {
    judge("Lambda");
}
void FormHauptHandlers::CommandMy_Click() {
    judge("My");
}
void FormHauptHandlers::CommandNy_Click() {
    judge("Ny");
}
void FormHauptHandlers::CommandPi_Click() {
    judge("Pi");
}
void FormHauptHandlers::CommandRh_Click() {
    judge("Rho");
}
void FormHauptHandlers::CommandSi_Click() {
    judge("Sigma");
}
void FormHauptHandlers::CommandPh_Click() {
    judge("Phi");
}
void FormHauptHandlers::CommandOm_Click() {
    judge("Omega");
}

} // namespace letterfibel
