// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teardown_deadline.h"
#include "termination_signals.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <thread>

using namespace letterfibel::qt;

namespace {

void ownHandler(int) {}

// What the process did with these signals before the program watched them, it does again after.
TEST(TerminationSignals, PutsBackTheActionsFoundAtStart) {
    const int watched[] = {SIGTERM, SIGINT, SIGHUP};
    struct sigaction own {};
    own.sa_handler = ownHandler;
    sigemptyset(&own.sa_mask);
    struct sigaction before[3]{};
    for (int i = 0; i < 3; ++i)
        sigaction(watched[i], &own, &before[i]);
    {
        const TerminationSignals signalsEndTheProgram([] {});
        struct sigaction during {};
        sigaction(SIGTERM, nullptr, &during);
        EXPECT_NE(during.sa_handler, ownHandler) << "the program does not watch SIGTERM";
    }
    for (int i = 0; i < 3; ++i) {
        struct sigaction after {};
        sigaction(watched[i], nullptr, &after);
        EXPECT_EQ(after.sa_handler, ownHandler) << "signal " << watched[i] << " not put back";
        sigaction(watched[i], &before[i], nullptr);
    }
}

// A teardown that hangs still ends the process, with the exit code it was given; one that
// finishes leaves it alone and is not held up until the limit.
TEST(TeardownDeadline, EndsOnlyAProcessWhoseTeardownHangs) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const TeardownDeadline deadline(std::chrono::milliseconds(100), [] { std::_Exit(7); });
            std::this_thread::sleep_for(std::chrono::seconds(30));
        },
        testing::ExitedWithCode(7), "");

    std::atomic<bool> overran = false;
    {
        const TeardownDeadline deadline(std::chrono::seconds(30), [&overran] { overran = true; });
    }
    EXPECT_FALSE(overran);
}

} // namespace
