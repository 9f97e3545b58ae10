// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termination_signals.h"

#include <gtest/gtest.h>

#include <csignal>

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

} // namespace
