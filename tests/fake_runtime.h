// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime_services.h"

#include <chrono>
#include <deque>
#include <functional>
#include <vector>

namespace letterfibel::testing {

// A runtime whose random numbers are scripted and whose clock moves only when the engine pumps
// events. Actions can be scheduled at moments after a given start; the pump delivers them nested,
// as a real event loop would deliver a click made during the pause.
class FakeRuntime : public RuntimeServices {
public:
    using Duration = Clock::duration;

    void seedFromClock() override { ++seedCalls; }
    double nextRandom() override;
    Clock::time_point now() override { return time; }
    void pumpEvents(Clock::time_point deadline) override;
    void endProgram() override { ended = true; }
    bool hasEnded() const override { return ended; }

    void scriptRandoms(std::initializer_list<double> values);
    // Runs action from inside the pump once the clock has reached time + delay.
    void at(Duration delay, std::function<void()> action);

    Clock::time_point time{std::chrono::hours(1000)};
    Duration pumpStep = std::chrono::milliseconds(10);
    std::deque<double> randoms;
    int seedCalls = 0;
    int pumpCalls = 0;
    bool ended = false;
    std::vector<Clock::time_point> deadlinesSeen;

private:
    struct Scheduled {
        Clock::time_point when;
        std::function<void()> action;
    };
    std::vector<Scheduled> m_scheduled;
};

} // namespace letterfibel::testing
