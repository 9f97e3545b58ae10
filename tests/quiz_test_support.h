// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fake_display.h"
#include "fake_runtime.h"
#include "quiz.h"

namespace letterfibel::testing {

// A random number that draws letter number n (1 to 15).
constexpr double forLetter(int n) {
    return (n - 0.5) / 15.0;
}
constexpr double kLowercase = 0.25;
constexpr double kUppercase = 0.75;

// An engine as the window has it after loading: table filled, start values set.
struct LoadedQuiz {
    LoadedQuiz() {
        quiz.Fill();
        quiz.Init();
    }
    FakeDisplay display;
    FakeRuntime runtime;
    Quiz quiz{display, runtime};
};

} // namespace letterfibel::testing
