// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz.h"
#include "standard_services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

using namespace letterfibel;

namespace {

// The standard-library services with the window's part left out.
class Services : public StandardServices {
public:
    void callBackAfter(Duration, std::function<void()>) override {}
    void cancelCallBack() override {}
    void endProgram() override {}
};

TEST(NextRandom, StaysInsideZeroToOneAndCoversTheRange) {
    Services services;
    services.seedFromClock();
    double lowest = 1.0;
    double highest = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double value = services.nextRandom();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_LT(lowest, 0.001);
    EXPECT_GT(highest, 0.999);
}

TEST(NextRandom, SeedingFromTheClockGivesADifferentSequence) {
    Services first;
    Services second;
    // Unseeded generators agree, as the runtime's did before seeding.
    EXPECT_EQ(first.nextRandom(), second.nextRandom());
    first.seedFromClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    second.seedFromClock();
    EXPECT_NE(first.nextRandom(), second.nextRandom());
}

TEST(DrawNumber, GivesOneToCountForTheEdgesOfTheRange) {
    const double belowOneDouble = std::nextafter(1.0, 0.0);
    const double belowOneFloat = std::nextafter(1.0f, 0.0f);
    for (int count : {2, 15}) {
        EXPECT_EQ(drawNumber(0.0, count), 1) << count;
        EXPECT_EQ(drawNumber(belowOneDouble, count), count) << count;
        EXPECT_EQ(drawNumber(belowOneFloat, count), count) << count;
        EXPECT_EQ(drawNumber(std::numeric_limits<double>::denorm_min(), count), 1) << count;
    }
}

TEST(DrawNumber, SplitsTheRangeIntoEqualParts) {
    for (int n = 1; n <= 15; ++n) {
        EXPECT_EQ(drawNumber((n - 1) / 15.0, 15), n);
        EXPECT_EQ(drawNumber(std::nextafter(n / 15.0, 0.0), 15), n);
    }
}

} // namespace
