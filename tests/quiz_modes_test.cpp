// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace letterfibel;
using namespace letterfibel::testing;
using enum letterfibel::DisplayControl;
using Sets = std::vector<FakeDisplay::Set>;

namespace {

const std::string kLower(Quiz::kLowercaseQuestion);
const std::string kUpper(Quiz::kUppercaseQuestion);

class Modes : public LoadedQuiz, public ::testing::Test {};

TEST_F(Modes, StartKleinSetsQuestionCountersThenALowercaseGlyph) {
    runtime.scriptRandoms({forLetter(2)});
    quiz.StartKlein();
    EXPECT_EQ(display.sets, (Sets{caption(Frame1, kLower), caption(LabelRichtig, "0 richtig"),
                                  caption(LabelFalsch, "0 falsch"), caption(LabelAnzeige, "b")}));
}

TEST_F(Modes, StartGrossSetsTheUppercaseQuestionAndGlyph) {
    runtime.scriptRandoms({forLetter(15)});
    quiz.StartGross();
    EXPECT_EQ(display.sets, (Sets{caption(Frame1, kUpper), caption(LabelRichtig, "0 richtig"),
                                  caption(LabelFalsch, "0 falsch"), caption(LabelAnzeige, "Q")}));
}

TEST_F(Modes, StartGemischtDrawsTheCaseBeforeTheLetter) {
    runtime.scriptRandoms({kUppercase, forLetter(13)});
    quiz.StartGemischt();
    EXPECT_EQ(display.sets, (Sets{caption(Frame1, kUpper), caption(LabelRichtig, "0 richtig"),
                                  caption(LabelFalsch, "0 falsch"), caption(LabelAnzeige, "F")}));
}

TEST_F(Modes, StartingADrillClearsTheScoreAndKeepsTheFeedback) {
    runtime.scriptRandoms({forLetter(1)});
    quiz.StartKlein();
    quiz.answerClicked("Beta");
    quiz.answerClicked("Gamma");
    ASSERT_EQ(display.caption(LabelFalsch), "2 falsch");
    display.sets.clear();

    runtime.scriptRandoms({forLetter(4)});
    quiz.StartGross();
    EXPECT_EQ(display.caption(LabelFalsch), "0 falsch");
    EXPECT_EQ(display.caption(Frame1), kUpper);
    for (const auto& set : display.sets)
        EXPECT_NE(set.control, LabelAnzeigeText) << "a new drill must leave the feedback alone";

    runtime.scriptRandoms({forLetter(5)});
    quiz.answerClicked("Delta");
    EXPECT_EQ(display.caption(LabelRichtig), "1 richtig") << "the new letter starts without a mark";
}

TEST_F(Modes, StartGrossMidDrillResetsFiveRightAndThreeWrong) {
    runtime.scriptRandoms({forLetter(1)});
    quiz.StartKlein();
    for (int i = 0; i < 3; ++i)
        quiz.answerClicked("Omega");
    // The first right answer follows the misses and does not count.
    for (int i = 0; i < 6; ++i) {
        runtime.scriptRandoms({forLetter(1)});
        quiz.answerClicked("Alpha");
        runtime.fireTimer();
    }
    ASSERT_EQ(display.caption(LabelRichtig), "5 richtig");
    ASSERT_EQ(display.caption(LabelFalsch), "3 falsch");

    runtime.scriptRandoms({forLetter(5)});
    quiz.StartGross();
    EXPECT_EQ(display.caption(LabelRichtig), "0 richtig");
    EXPECT_EQ(display.caption(LabelFalsch), "0 falsch");
    EXPECT_EQ(display.caption(LabelAnzeige), "E");
}

TEST_F(Modes, MixedQuestionAlwaysMatchesTheCaseShown) {
    runtime.scriptRandoms({kLowercase, forLetter(1)});
    quiz.StartGemischt();
    const double cases[] = {kUppercase, kLowercase, kUppercase, kUppercase, 0.0, 0.9999999};
    for (double drawnCase : cases) {
        const int letter = shownLetter();
        const std::string glyph = display.caption(LabelAnzeige);
        EXPECT_EQ(display.caption(Frame1), glyph == table.Cell(letter, 1) ? kLower : kUpper);

        runtime.scriptRandoms({drawnCase, forLetter(letter % 15 + 1)});
        quiz.answerClicked(shownName());
        runtime.fireTimer();
    }
    EXPECT_TRUE(runtime.randoms.empty());
}

TEST_F(Modes, RandomNumbersAtTheEdgesDrawTheFirstAndLastLetter) {
    runtime.scriptRandoms({0.0});
    quiz.StartKlein();
    EXPECT_EQ(display.caption(LabelAnzeige), "a");

    runtime.scriptRandoms({std::nextafter(1.0, 0.0), std::nextafter(1.0, 0.0)});
    quiz.StartGemischt();
    EXPECT_EQ(display.caption(Frame1), kUpper);
    EXPECT_EQ(display.caption(LabelAnzeige), "Q");
}

} // namespace
