// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime_services.h"

#include <deque>
#include <functional>
#include <optional>

namespace letterfibel::testing {

// A runtime whose random numbers are scripted and whose timer fires only when the test says so,
// as the event loop would once the delay has passed.
class FakeRuntime : public RuntimeServices {
public:
    void seedFromClock() override { ++seedCalls; }
    double nextRandom() override;
    void callBackAfter(Duration delay, std::function<void()> callBack) override;
    void cancelCallBack() override { m_callBack = nullptr; }
    void endProgram() override { ended = true; }

    void scriptRandoms(std::initializer_list<double> values);
    bool timerWaiting() const { return m_callBack != nullptr; }
    // Runs the waiting call-back; the test fails when there is none.
    void fireTimer();

    std::deque<double> randoms;
    int seedCalls = 0;
    bool ended = false;
    std::optional<Duration> lastDelay;

private:
    std::function<void()> m_callBack;
};

} // namespace letterfibel::testing
