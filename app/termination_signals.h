// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

class QSocketNotifier;

namespace letterfibel::qt {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop's thread, where ending the
// program is safe even in the middle of a pause. A signal the parent process ignores stays
// ignored, and the actions found at start are put back at the end. The only Unix-specific code
// of the program; elsewhere it does nothing.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

    // The signal that ended the program, 0 when none did.
    int received() const { return m_received; }

private:
    void handleSignal();

    std::function<void()> m_onSignal;
    int m_received = 0;
#ifdef Q_OS_UNIX
    struct Handled {
        int signal;
        bool installed = false;
        struct sigaction previous {};
    };
    Handled m_handled[3] = {{SIGTERM}, {SIGINT}, {SIGHUP}};
    int m_readEnd = -1;
    int m_writeEnd = -1;
    QSocketNotifier* m_notifier = nullptr;
#endif
};

// Once the program has ended cleanly after a signal, ends the process as that signal would
// have, so that a shell sees it (130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP) and a loop
// started from it stops at Ctrl-C. Returns only where that is not possible.
void endAsSignal(int signal);

} // namespace letterfibel::qt
