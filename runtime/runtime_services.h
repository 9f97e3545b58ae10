// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

namespace letterfibel {

// Everything the quiz engine needs from outside that is not text: random numbers, a clock for
// the pause, the event pump and the end of the program. The window supplies the pump and the end;
// tests script all of it.
class RuntimeServices {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~RuntimeServices() = default;

    // Seeds the random sequence from the clock; called once per run.
    virtual void seedFromClock() = 0;
    // Next number of the sequence, uniform in [0, 1), never 1.
    virtual double nextRandom() = 0;
    // Monotonic, so that a pause is two seconds long whatever the time of day.
    virtual Clock::time_point now() = 0;
    // Handles pending events, clicks included, waiting for more at most until the deadline.
    virtual void pumpEvents(Clock::time_point deadline) = 0;
    // Ends the program: no more events are handled, and code waiting in a pause must not go on.
    virtual void endProgram() = 0;
    virtual bool hasEnded() const = 0;
};

} // namespace letterfibel
