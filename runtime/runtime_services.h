// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>

namespace letterfibel {

// Everything the quiz engine needs from outside that is not text: random numbers, a timer for
// the pause and the end of the program. The front end supplies the timer from its own event loop
// and the end; tests script all of it.
class RuntimeServices {
public:
    using Duration = std::chrono::steady_clock::duration;

    virtual ~RuntimeServices() = default;

    // Seeds the random sequence from the clock; called once per run.
    virtual void seedFromClock() = 0;
    // Next number of the sequence, uniform in [0, 1), never 1.
    virtual double nextRandom() = 0;
    // Calls back once, from the event loop, when delay has passed on a monotonic clock, so that
    // the time of day does not matter. Replaces a call-back still waiting.
    virtual void callBackAfter(Duration delay, std::function<void()> callBack) = 0;
    // Forgets the waiting call-back, if any.
    virtual void cancelCallBack() = 0;
    // Ends the program: no more events are handled and no call-back comes.
    virtual void endProgram() = 0;
};

} // namespace letterfibel
