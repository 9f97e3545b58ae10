// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace letterfibel;
using namespace letterfibel::testing;
using namespace std::chrono_literals;
using enum letterfibel::DisplayControl;
using Sets = std::vector<FakeDisplay::Set>;

namespace {

constexpr std::int32_t kRed = 255;
constexpr std::int32_t kGreen = 49152;

class Judging : public LoadedQuiz, public ::testing::Test {
protected:
    // A lowercase drill with the given letter on display and no sets recorded yet.
    void startWith(int letter) {
        runtime.scriptRandoms({forLetter(letter)});
        quiz.StartKlein();
        display.sets.clear();
    }
};

TEST_F(Judging, LoadTouchesNoControlAndBeforeAnyDrillEveryNameIsWrong) {
    EXPECT_TRUE(display.sets.empty());
    quiz.answerClicked("Alpha");
    EXPECT_EQ(display.sets, (Sets{foreColour(LabelAnzeigeText, kRed), caption(LabelAnzeigeText, ""),
                                  caption(LabelFalsch, "1 falsch")}));
    quiz.answerClicked("Omega");
    EXPECT_EQ(display.caption(LabelFalsch), "2 falsch");
}

TEST_F(Judging, WrongClickShowsTheRightNameInRedAndKeepsTheLetter) {
    startWith(2);
    quiz.answerClicked("Gamma");
    EXPECT_EQ(display.sets,
              (Sets{foreColour(LabelAnzeigeText, kRed), caption(LabelAnzeigeText, "Beta"),
                    caption(LabelFalsch, "1 falsch")}));
    EXPECT_EQ(display.verdicts, std::vector{Verdict::Wrong});
    EXPECT_FALSE(runtime.timerWaiting()) << "a wrong click must not pause";
}

TEST_F(Judging, EveryWrongClickCounts) {
    startWith(3);
    for (int i = 1; i <= 12; ++i)
        quiz.answerClicked("Delta");
    EXPECT_EQ(display.caption(LabelFalsch), "12 falsch");
}

TEST_F(Judging, ComparisonIsExactAndCaseSensitive) {
    startWith(15);
    for (const char* near : {"theta", "THETA", "Theta ", " Theta", "Thet"})
        quiz.answerClicked(near);
    EXPECT_EQ(display.caption(LabelFalsch), "5 falsch");
    EXPECT_EQ(display.verdicts, std::vector(5, Verdict::Wrong));
}

TEST_F(Judging, RightAtFirstTryCountsBeforeThePauseThenDrawsTheNextLetter) {
    startWith(15);
    runtime.scriptRandoms({forLetter(7)});
    quiz.answerClicked("Theta");

    // The judge returns at once; the next letter waits for the timer.
    EXPECT_EQ(display.sets,
              (Sets{foreColour(LabelAnzeigeText, kGreen), caption(LabelAnzeigeText, "Theta"),
                    caption(LabelRichtig, "1 richtig")}));
    ASSERT_TRUE(runtime.timerWaiting());
    EXPECT_EQ(runtime.lastDelay, RuntimeServices::Duration(2s));
    EXPECT_EQ(runtime.randoms.size(), 1u) << "nothing is drawn before the pause is over";

    runtime.fireTimer();
    EXPECT_EQ(display.sets,
              (Sets{foreColour(LabelAnzeigeText, kGreen), caption(LabelAnzeigeText, "Theta"),
                    caption(LabelRichtig, "1 richtig"), caption(LabelAnzeige, "l"),
                    caption(LabelAnzeigeText, "")}));
    EXPECT_EQ(display.verdicts, std::vector{Verdict::Right});
    EXPECT_FALSE(runtime.timerWaiting());
    EXPECT_TRUE(judgesANameClick());
}

TEST_F(Judging, WrongThenRightClearsTheMarkWithoutCounting) {
    startWith(1);
    quiz.answerClicked("Beta");
    runtime.scriptRandoms({forLetter(2)});
    quiz.answerClicked("Alpha");
    runtime.fireTimer();
    EXPECT_EQ(display.caption(LabelRichtig), "0 richtig");
    EXPECT_EQ(display.caption(LabelFalsch), "1 falsch");
    EXPECT_EQ(display.colour(LabelAnzeigeText), kGreen);
    EXPECT_EQ(display.caption(LabelAnzeigeText), "");

    // The next letter starts without a mark.
    runtime.scriptRandoms({forLetter(3)});
    quiz.answerClicked("Beta");
    EXPECT_EQ(display.caption(LabelRichtig), "1 richtig");
}

TEST_F(Judging, AfterThePauseTheFeedbackColourIsLeftAsItWas) {
    startWith(1);
    runtime.scriptRandoms({forLetter(1)});
    quiz.answerClicked("Alpha");
    runtime.fireTimer();
    EXPECT_EQ(display.sets.back(), caption(LabelAnzeigeText, ""));
    EXPECT_EQ(std::count_if(display.sets.begin(), display.sets.end(),
                            [](const auto& s) { return s.isColour; }),
              1);
}

// Clicks that arrive while the pause after a right answer on Eta runs.
class ClicksDuringThePause : public Judging {
protected:
    void SetUp() override {
        startWith(6);
        quiz.answerClicked("Eta");
        ASSERT_TRUE(runtime.timerWaiting());
    }
};

TEST_F(ClicksDuringThePause, NameClicksAreNotJudgedAndJudgeAgainAfterThePause) {
    quiz.answerClicked("Eta"); // the second click of a double click
    quiz.answerClicked("Pi");
    EXPECT_EQ(display.verdicts, std::vector{Verdict::Right});
    EXPECT_EQ(display.colour(LabelAnzeigeText), kGreen) << "nothing may have turned red";

    runtime.scriptRandoms({forLetter(8)});
    runtime.fireTimer();
    EXPECT_EQ(display.sets,
              (Sets{foreColour(LabelAnzeigeText, kGreen), caption(LabelAnzeigeText, "Eta"),
                    caption(LabelRichtig, "1 richtig"), caption(LabelAnzeige, "m"),
                    caption(LabelAnzeigeText, "")}));
    EXPECT_TRUE(runtime.randoms.empty()) << "exactly one letter must be drawn";

    quiz.answerClicked("My");
    EXPECT_EQ(display.caption(LabelRichtig), "2 richtig")
        << "the next letter must start without a mark";
    runtime.scriptRandoms({forLetter(8)});
    runtime.fireTimer();
    quiz.answerClicked("Ny");
    EXPECT_EQ(display.caption(LabelFalsch), "1 falsch");
}

TEST_F(ClicksDuringThePause, ANewDrillIsJudgedAtOnceAndTheOldPauseDrawsNothing) {
    // StartGemischt draws uppercase and letter 2; nothing else may be drawn.
    runtime.scriptRandoms({kUppercase, forLetter(2)});
    quiz.StartGemischt();
    EXPECT_FALSE(runtime.timerWaiting()) << "the replaced pause must draw nothing";
    quiz.answerClicked("Gamma");

    EXPECT_EQ(display.caption(LabelFalsch), "1 falsch") << "the new drill's letter must be judged";
    EXPECT_EQ(display.caption(Frame1), std::string(Quiz::kUppercaseQuestion));
    EXPECT_EQ(display.caption(LabelAnzeige), "B");
    EXPECT_EQ(display.caption(LabelAnzeigeText), "Beta");
    EXPECT_EQ(display.colour(LabelAnzeigeText), kRed);
    EXPECT_TRUE(runtime.randoms.empty());
}

TEST_F(ClicksDuringThePause, ARightAnswerInANewDrillRunsItsOwnPauseThatAloneDraws) {
    // The new drill draws letter 2 (Beta); its own pause draws letter 9.
    runtime.scriptRandoms({forLetter(2), forLetter(9)});
    quiz.StartKlein();
    quiz.answerClicked("Beta");
    EXPECT_EQ(display.caption(LabelRichtig), "1 richtig")
        << "the new drill counts its own right answer";
    runtime.fireTimer();

    EXPECT_FALSE(runtime.timerWaiting()) << "exactly one pause is left to run out";
    EXPECT_TRUE(runtime.randoms.empty()) << "exactly one letter after the pauses";
    EXPECT_EQ(display.caption(LabelAnzeige), "n");
    EXPECT_EQ(display.caption(LabelAnzeigeText), "");
    EXPECT_TRUE(judgesANameClick());
}

// A set that fails ends the operation there; what was changed before stays changed.
class FailingDisplay : public Judging {};

TEST_F(FailingDisplay, WrongClickKeepsTheStateBeforeTheFailingSet) {
    startWith(1);
    display.failAtSet = 2; // the caption of LabelAnzeigeText
    EXPECT_THROW(quiz.answerClicked("Beta"), std::runtime_error);
    EXPECT_EQ(display.sets, (Sets{foreColour(LabelAnzeigeText, kRed)}));

    display.failAtSet = 3; // the counter caption, after both fields changed
    EXPECT_THROW(quiz.answerClicked("Beta"), std::runtime_error);
    quiz.answerClicked("Beta");
    EXPECT_EQ(display.caption(LabelFalsch), "2 falsch") << "only the second failing click counts";
    runtime.scriptRandoms({forLetter(2)});
    quiz.answerClicked("Alpha");
    EXPECT_EQ(display.caption(LabelRichtig), "0 richtig") << "the letter keeps its mark";
}

TEST_F(FailingDisplay, FailureAfterThePauseLeavesTheNewLetterAndClearsThePause) {
    startWith(1);
    runtime.scriptRandoms({forLetter(9)});
    display.failAtSet = 4; // the glyph of the next letter
    quiz.answerClicked("Alpha");
    EXPECT_THROW(runtime.fireTimer(), std::runtime_error);
    EXPECT_EQ(display.caption(LabelRichtig), "1 richtig");
    EXPECT_EQ(display.caption(LabelAnzeigeText), "Alpha");

    // The new letter is Ny, though its glyph never reached the display.
    runtime.scriptRandoms({forLetter(3)});
    quiz.answerClicked("Ny");
    EXPECT_EQ(display.verdicts.back(), Verdict::Right)
        << "a failure must not leave the name buttons dead";
}

TEST_F(FailingDisplay, RightAnswerThatFailsToShowStartsNoPause) {
    startWith(1);
    display.failAtSet = 3; // the counter, the last set before the pause
    EXPECT_THROW(quiz.answerClicked("Alpha"), std::runtime_error);
    EXPECT_FALSE(runtime.timerWaiting());
    EXPECT_TRUE(judgesANameClick()) << "the letter is still to be answered";
}

TEST_F(FailingDisplay, ModeStartStopsAtTheFailingSet) {
    runtime.scriptRandoms({forLetter(4)});
    display.failAtSet = 2; // LabelRichtig
    EXPECT_THROW(quiz.StartGross(), std::runtime_error);
    EXPECT_EQ(runtime.randoms.size(), 1u) << "no letter is drawn after the failure";
}

} // namespace
