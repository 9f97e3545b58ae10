// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fake_display.h"
#include "fake_runtime.h"
#include "quiz.h"

#include <string>

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
        table.Fill();
    }

    // The number of the letter on display, 0 when none: read off the display, as a learner would.
    int shownLetter() const {
        const std::string glyph = display.caption(DisplayControl::LabelAnzeige);
        for (int letter = 1; letter <= Buchstaben::kDrilled; ++letter) {
            if (glyph == table.Cell(letter, Buchstaben::kLowercaseRow) ||
                glyph == table.Cell(letter, Buchstaben::kUppercaseRow))
                return letter;
        }
        return 0;
    }
    std::string shownName() const { return table.Cell(shownLetter(), Buchstaben::kNameRow); }

    // Whether a name click is judged now; when it is, it counts as one wrong answer.
    bool judgesANameClick() {
        const auto before = display.sets.size();
        quiz.answerClicked("kein Name");
        return display.sets.size() != before;
    }

    FakeDisplay display;
    FakeRuntime runtime;
    Quiz quiz{display, runtime};
    Buchstaben table;
};

} // namespace letterfibel::testing
