// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_display.h"
#include "form_controls.h"
#include "spoken_feedback.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace letterfibel;
using letterfibel::testing::FakeDisplay;

namespace {

TEST(SharedLayout, ScaledPixelsRoundToTheNearest) {
    const struct {
        int pixels, scale, expected;
    } cases[] = {{741, 96, 741}, {741, 144, 1112}, {592, 111, 685},
                 {25, 120, 31},  {1, 144, 2},      {0, 192, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(scaledPixels(c.pixels, c.scale), c.expected) << c.pixels << " at " << c.scale;
}

TEST(SharedLayout, FittingScaleIsTheLargestThatFitsAndNeverBelowOrAboveTheBounds) {
    const struct {
        int screenScale, width, height, frameWidth, frameHeight, expected;
    } cases[] = {
        {96, 1920, 1080, 16, 39, 96},   // never more than the screen's own
        {144, 1920, 1200, 24, 58, 144}, // fits at the screen's scale
        {144, 1366, 728, 16, 39, 111},  // a laptop's work area at 150 %: as large as fits
        {192, 1366, 768, 32, 78, 111},  // the frame counts, at the screen's scale
        {144, 640, 480, 16, 39, 96},    // nothing fits: 100 %, never less
        {120, 926, 740, 0, 0, 120},     // exactly fitting is fitting
        {120, 925, 740, 0, 0, 119},     // a pixel short is not
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittingScale(c.screenScale, c.width, c.height, c.frameWidth, c.frameHeight),
                  c.expected)
            << c.screenScale << " on " << c.width << "x" << c.height;
}

TEST(SharedLayout, AWindowMovesOnlyAsFarAsNeededIntoTheArea) {
    const struct {
        int position, size, areaStart, areaSize, expected;
    } cases[] = {{100, 50, 0, 200, 100},
                 {180, 50, 0, 200, 150},
                 {-10, 50, 0, 200, 0},
                 {5, 50, 20, 200, 20},
                 {10, 300, 0, 200, 0},
                 {400, 300, 40, 200, 40},
                 // a panel at the top, and a second screen to the right of the first
                 {200, 50, 30, 200, 180},
                 {2000, 741, 1920, 1920, 2000}};
    for (const auto& c : cases)
        EXPECT_EQ(movedIntoArea(c.position, c.size, c.areaStart, c.areaSize), c.expected)
            << c.position << "+" << c.size << " in " << c.areaStart << "+" << c.areaSize;
}

TEST(SharedLayout, ColourNumbersAreBlueGreenRed) {
    const struct {
        std::int32_t colour;
        int red, green, blue;
    } cases[] = {
        {49152, 0, 192, 0}, {255, 255, 0, 0}, {0xFF8040, 0x40, 0x80, 0xFF}, {-1, 255, 255, 255}};
    for (const auto& c : cases) {
        const Rgb rgb = rgbOf(c.colour);
        EXPECT_EQ((std::vector{rgb.red, rgb.green, rgb.blue}),
                  (std::vector{c.red, c.green, c.blue}))
            << c.colour;
    }
}

TEST(SharedNames, AccessibleNamesNeverSayTheLetterAndNeverAreEmpty) {
    const struct {
        DisplayControl control;
        const char* caption;
        const char* expected;
    } cases[] = {
        {DisplayControl::LabelAnzeige, "a", "Angezeigter Buchstabe"},
        {DisplayControl::LabelAnzeige, "", "Angezeigter Buchstabe"},
        {DisplayControl::LabelAnzeigeText, "", "Rückmeldung"},
        {DisplayControl::LabelAnzeigeText, "Beta", "Beta"},
        {DisplayControl::LabelRichtig, "3 richtig", "3 richtig"},
        {DisplayControl::Frame1, "Welcher griechische Kleinbuchstabe ist sichtbar ?",
         "Welcher griechische Kleinbuchstabe ist sichtbar ?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(accessibleName(c.control, c.caption), c.expected) << c.caption;
    for (const auto control :
         {DisplayControl::Frame1, DisplayControl::LabelAnzeige, DisplayControl::LabelAnzeigeText,
          DisplayControl::LabelRichtig, DisplayControl::LabelFalsch})
        EXPECT_EQ(controlDefinition(controlShowing(control)).kind == ControlKind::Frame,
                  control == DisplayControl::Frame1);
}

// One action of the engine as the display sees it: a verdict, or a caption set.
struct Shown {
    std::optional<Verdict> verdict;
    DisplayControl control = DisplayControl::Frame1;
    std::string text;
};
struct Action {
    const char* what;
    friend void PrintTo(const Action& action, std::ostream* os) { *os << action.what; }
    std::vector<Shown> shown;
    std::string words;
};

class SpokenWords : public ::testing::TestWithParam<std::vector<Action>> {};

TEST_P(SpokenWords, OneActionIsSaidOnceInTheSameWordsEverywhere) {
    FakeDisplay display;
    int told = 0;
    SpokenFeedback spoken(display, [&told] { ++told; });
    for (const Action& action : GetParam()) {
        told = 0;
        for (const Shown& set : action.shown) {
            if (set.verdict)
                spoken.showVerdict(*set.verdict);
            else
                spoken.setCaption(set.control, set.text);
        }
        EXPECT_EQ(spoken.takeWords(), action.words) << action.what;
        EXPECT_EQ(told, action.words.empty() ? 0 : 1) << action.what;
    }
}

const char* const kLower = "Welcher griechische Kleinbuchstabe ist sichtbar ?";
const char* const kUpper = "Welcher griechische Grossbuchstabe ist sichtbar ?";
const Shown kWrong{Verdict::Wrong, DisplayControl::Frame1, {}};
const Shown kRight{Verdict::Right, DisplayControl::Frame1, {}};
Shown caption(DisplayControl control, std::string text) {
    return {std::nullopt, control, std::move(text)};
}

INSTANTIATE_TEST_SUITE_P(Drill, SpokenWords,
                         ::testing::Values(
                             std::vector<Action>{
                                 {"a drill starts; the counters reset unsaid",
                                  {caption(DisplayControl::Frame1, kLower),
                                   caption(DisplayControl::LabelRichtig, "0 richtig"),
                                   caption(DisplayControl::LabelFalsch, "0 falsch"),
                                   caption(DisplayControl::LabelAnzeige, "b")},
                                  kLower},
                                 {"a wrong name",
                                  {kWrong, caption(DisplayControl::LabelAnzeigeText, "Beta"),
                                   caption(DisplayControl::LabelFalsch, "1 falsch")},
                                  "Falsch: Beta. 1 falsch"},
                                 {"right after a miss counts nothing",
                                  {kRight, caption(DisplayControl::LabelAnzeigeText, "Beta"),
                                   caption(DisplayControl::LabelRichtig, "0 richtig")},
                                  "Richtig: Beta"},
                                 {"the pause ends: nothing new",
                                  {caption(DisplayControl::LabelAnzeigeText, ""),
                                   caption(DisplayControl::LabelAnzeige, "a")},
                                  ""},
                                 {"right at once",
                                  {kRight, caption(DisplayControl::LabelAnzeigeText, "Alpha"),
                                   caption(DisplayControl::LabelRichtig, "1 richtig")},
                                  "Richtig: Alpha. 1 richtig"}},
                             std::vector<Action>{{"a mixed drill's next question after the pause",
                                                  {caption(DisplayControl::LabelAnzeigeText, ""),
                                                   caption(DisplayControl::Frame1, kUpper),
                                                   caption(DisplayControl::LabelAnzeige, "W")},
                                                  kUpper}}),
                         [](const ::testing::TestParamInfo<std::vector<Action>>& info) {
                             return info.index == 0 ? "lowercase_drill" : "mixed_drill";
                         });

} // namespace
