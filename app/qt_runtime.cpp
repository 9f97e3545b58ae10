// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_runtime.h"

#include <QCoreApplication>

#include <utility>

namespace letterfibel::qt {

QtRuntime::QtRuntime() {
    // Qt's coarse timer may fire up to 5 % late; the pause is two seconds, not 2.1.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { m_waiting.run(); });
}

void QtRuntime::callBackAfter(Duration delay, std::function<void()> callBack) {
    m_waiting.keep(std::move(callBack));
    m_timer.start(std::chrono::ceil<std::chrono::milliseconds>(delay));
}

void QtRuntime::cancelCallBack() {
    m_timer.stop();
    m_waiting.forget();
}

void QtRuntime::endProgram() {
    cancelCallBack();
    QCoreApplication::exit(0);
}

} // namespace letterfibel::qt
