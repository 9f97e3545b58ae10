// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_runtime.h"

#include <algorithm>
#include <stdexcept>

namespace letterfibel::testing {

double FakeRuntime::nextRandom() {
    if (randoms.empty())
        throw std::logic_error("FakeRuntime: the test scripted too few random numbers");
    const double value = randoms.front();
    randoms.pop_front();
    return value;
}

void FakeRuntime::pumpEvents(Clock::time_point deadline) {
    ++pumpCalls;
    deadlinesSeen.push_back(deadline);
    // Deliver what is due, one at a time, as the event loop would; actions may schedule more.
    for (;;) {
        auto due = std::find_if(m_scheduled.begin(), m_scheduled.end(),
                                [this](const Scheduled& s) { return s.when <= time; });
        if (due == m_scheduled.end() || ended)
            break;
        auto action = std::move(due->action);
        m_scheduled.erase(due);
        action();
    }
    time = std::min(time + pumpStep, std::max(deadline, time));
}

void FakeRuntime::scriptRandoms(std::initializer_list<double> values) {
    randoms.insert(randoms.end(), values.begin(), values.end());
}

void FakeRuntime::at(Duration delay, std::function<void()> action) {
    m_scheduled.push_back({time + delay, std::move(action)});
}

} // namespace letterfibel::testing
