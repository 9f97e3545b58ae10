// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termination_signals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace letterfibel::qt {

#ifdef Q_OS_UNIX

namespace {

// The one thing a signal handler may reach: the write end of the pipe into the event loop.
volatile std::sig_atomic_t g_signalWriteEnd = -1;

void writeSignalByte(int signal) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // Non-blocking: when the pipe is full, a wake-up is already pending.
    [[maybe_unused]] const auto written = ::write(g_signalWriteEnd, &byte, sizeof byte);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent)
    , m_onSignal(std::move(onSignal)) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return;
    m_writeEnd = ends[0];
    m_readEnd = ends[1];
    g_signalWriteEnd = m_writeEnd;
    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::handleSignal);

    struct sigaction action {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (Handled& handled : m_handled) {
        if (sigaction(handled.signal, nullptr, &handled.previous) != 0)
            continue;
        // Ignored by whoever started us (a background job, nohup, trap ''): that stays so.
        if (handled.previous.sa_handler == SIG_IGN)
            continue;
        handled.installed = sigaction(handled.signal, &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals() {
    for (const Handled& handled : m_handled)
        if (handled.installed)
            sigaction(handled.signal, &handled.previous, nullptr);
    delete m_notifier;
    g_signalWriteEnd = -1;
    if (m_writeEnd >= 0)
        ::close(m_writeEnd);
    if (m_readEnd >= 0)
        ::close(m_readEnd);
}

void TerminationSignals::handleSignal() {
    unsigned char bytes[16];
    ssize_t count = 0;
    while ((count = ::read(m_readEnd, bytes, sizeof bytes)) > 0) {
        if (m_received == 0)
            m_received = bytes[0];
    }
    m_onSignal();
}

void endAsSignal(int signal) {
    if (signal == 0)
        return;
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(signal);
}

#else

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent)
    , m_onSignal(std::move(onSignal)) {}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::handleSignal() {
    m_onSignal();
}

void endAsSignal(int) {}

#endif

} // namespace letterfibel::qt
