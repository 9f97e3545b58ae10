#include "termination_signals.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// One socket pair for the process: a signal handler may only touch async-signal-safe state.
int g_signalWriteEnd = -1;
int g_signalReadEnd = -1;

void writeSignalByte(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalWriteEnd, &byte, sizeof byte);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent)
    , m_onSignal(std::move(onSignal)) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    g_signalWriteEnd = ends[0];
    g_signalReadEnd = ends[1];
    m_notifier = new QSocketNotifier(g_signalReadEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::handleSignal);

    struct sigaction action {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier)
        return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    ::close(g_signalWriteEnd);
    ::close(g_signalReadEnd);
    g_signalWriteEnd = g_signalReadEnd = -1;
}

void TerminationSignals::handleSignal() {
    char bytes[16];
    [[maybe_unused]] const auto read = ::read(g_signalReadEnd, bytes, sizeof bytes);
    m_onSignal();
}

#else

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent)
    , m_onSignal(std::move(onSignal)) {}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::handleSignal() {
    m_onSignal();
}

#endif
