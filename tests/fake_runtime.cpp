// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_runtime.h"

#include <stdexcept>
#include <utility>

namespace letterfibel::testing {

double FakeRuntime::nextRandom() {
    if (randoms.empty())
        throw std::logic_error("FakeRuntime: the test scripted too few random numbers");
    const double value = randoms.front();
    randoms.pop_front();
    return value;
}

void FakeRuntime::callBackAfter(Duration delay, std::function<void()> callBack) {
    lastDelay = delay;
    m_callBack = std::move(callBack);
}

void FakeRuntime::fireTimer() {
    if (!m_callBack)
        throw std::logic_error("FakeRuntime: no timer is waiting");
    // One shot: the call-back may start the next timer.
    auto callBack = std::exchange(m_callBack, nullptr);
    callBack();
}

void FakeRuntime::scriptRandoms(std::initializer_list<double> values) {
    randoms.insert(randoms.end(), values.begin(), values.end());
}

} // namespace letterfibel::testing
