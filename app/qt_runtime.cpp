// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace letterfibel::qt {

void QtRuntime::pumpEvents(Clock::time_point deadline) {
    // A nested loop that handles every event until the deadline and waits for them without
    // polling; a precise timer keeps it from ending up to 5 % late, as Qt's coarse timer may.
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - now()).count();
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::max<decltype(remaining)>(remaining, 0)));
    loop.exec();
}

void QtRuntime::endProgram() {
    m_ended = true;
    // exit() leaves every running event loop, the pause's nested one included.
    QCoreApplication::exit(0);
}

} // namespace letterfibel::qt
