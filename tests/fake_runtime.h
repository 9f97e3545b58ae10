#pragma once

#include "runtime_services.h"

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

    void Randomize() override { ++randomizeCalls; }
    double Rnd() override;
    Clock::time_point Now() override { return now; }
    void DoEvents(Clock::time_point deadline) override;
    void End() override { ended = true; }
    bool HasEnded() const override { return ended; }

    void scriptRandoms(std::initializer_list<double> values);
    // Runs action from inside the pump once the clock has reached now + delay.
    void at(Duration delay, std::function<void()> action);

    Clock::time_point now{std::chrono::hours(1000)};
    Duration pumpStep = std::chrono::milliseconds(10);
    std::deque<double> randoms;
    int randomizeCalls = 0;
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
