#include "qt_runtime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void QtRuntime::DoEvents(Clock::time_point deadline) {
    // A nested loop that sleeps until an event or the deadline: the pause costs no CPU, and a
    // precise timer keeps it from ending up to 5 % late as Qt's default coarse timer may.
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - Now()).count();
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::max<decltype(remaining)>(remaining, 0)));
    loop.exec();
}

void QtRuntime::End() {
    m_ended = true;
    // exit() leaves every running event loop, the pause's nested one included.
    QCoreApplication::exit(0);
}
