// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "accessibility.h"
#include "form_controls.h"
#include "formhaupt.h"
#include "qt_runtime.h"
#include "teardown_deadline.h"
#include "termination_signals.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace letterfibel::qt {

namespace {

// Far beyond what tearing the window and Qt down takes, even on a loaded machine.
constexpr std::chrono::seconds kTeardownLimit{3};

} // namespace

int runLetterfibel(int argc, char* argv[]) {
    int endingSignal = 0;
    std::optional<TeardownDeadline> deadline;
    const int code = [&] {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QString::fromUtf8(letterfibel::kWindowTitle));
        QApplication::setApplicationDisplayName(QString::fromUtf8(letterfibel::kWindowTitle));
        installAccessibleRoles();
        // Lets Wayland compositors and task bars find the menu entry and its icon.
        QApplication::setDesktopFileName(QStringLiteral(LETTERFIBEL_APP_ID));
        QtRuntime runtime;
        TerminationSignals signalsEndTheProgram([&runtime] { runtime.endProgram(); });
        FormHaupt window(runtime);
        window.show();
        // Without a window manager nobody else gives the new window the keyboard focus, and Space
        // at start is meant for "Ende".
        window.activateWindow();
        const int exitCode = app.exec();
        endingSignal = signalsEndTheProgram.received();
        // Started before the window and the application are torn down: that is what it bounds.
        deadline.emplace(kTeardownLimit, [exitCode, endingSignal] {
            // A hang cut short is still a fault: said, so that it is not taken for a clean end.
            std::fprintf(
                stderr,
                "letterfibel: teardown overran %lld s after the event loop ended; process ended\n",
                static_cast<long long>(kTeardownLimit.count()));
            std::fflush(stderr);
            endAsSignal(endingSignal);
            std::_Exit(exitCode);
        });
        return exitCode;
    }();
    deadline.reset();
    // Everything above has been torn down as after "Ende"; only the way out differs.
    endAsSignal(endingSignal);
    return code;
}

} // namespace letterfibel::qt
