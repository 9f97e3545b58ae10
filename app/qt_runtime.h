// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standard_services.h"
#include "waiting_call_back.h"

#include <QTimer>

namespace letterfibel::qt {

// The runtime services of a running Qt program: the pause is a timer of Qt's event loop, and
// the end of the program leaves that loop.
class QtRuntime : public letterfibel::StandardServices {
public:
    QtRuntime();

    void callBackAfter(Duration delay, std::function<void()> callBack) override;
    void cancelCallBack() override;
    void endProgram() override;

private:
    QTimer m_timer;
    letterfibel::WaitingCallBack m_waiting;
};

} // namespace letterfibel::qt
