// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_display.h"
#include "form_controls.h"
#include "spoken_feedback.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace letterfibel;
using letterfibel::testing::FakeDisplay;

namespace {

// The window as designed, in pixels at 100 %: the one hand-written copy, which every front end's
// tests compare with through the program's own table.
TEST(SharedTable, EveryControlHasItsDesignedKindPlaceFontCaptionAndTabOrder) {
    constexpr TextAlignment L = TextAlignment::Left, C = TextAlignment::Centre,
                            R = TextAlignment::Right;
    const struct {
        const char* name;
        ControlKind kind;
        bool inFrame1;
        PixelRect place; // in its container
        int fontPixels;
        bool bold;
        TextAlignment alignment;
        const char* caption;
    } designed[] = {
        // clang-format off
        {"Label1", ControlKind::Label, false, {48, 48, 433, 49}, 27, false, L, "Letterfibel"},
        {"Label2", ControlKind::Label, false, {552, 56, 129, 25}, 13, false, R, "Griechisch lesen"},
        {"Frame1", ControlKind::Frame, false, {40, 120, 649, 89}, 12, false, L, ""},
        {"LabelAnzeige", ControlKind::Label, true, {152, 24, 73, 49}, 37, false, C, ""},
        {"LabelAnzeigeText", ControlKind::Label, true, {280, 32, 241, 49}, 35, false, L, ""},
        {"LabelRichtig", ControlKind::Label, true, {512, 24, 97, 25}, 16, true, R, "0 richtig"},
        {"LabelFalsch", ControlKind::Label, true, {504, 56, 105, 25}, 16, true, R, "0 falsch"},
        {"CommandAl", ControlKind::Button, false, {40, 232, 105, 25}, 13, false, C, "Alpha"},
        {"CommandBe", ControlKind::Button, false, {176, 232, 105, 25}, 13, false, C, "Beta"},
        {"CommandGa", ControlKind::Button, false, {312, 232, 105, 25}, 13, false, C, "Gamma"},
        {"CommandDe", ControlKind::Button, false, {448, 232, 105, 25}, 13, false, C, "Delta"},
        {"CommandEp", ControlKind::Button, false, {584, 232, 105, 25}, 13, false, C, "Epsilon"},
        {"CommandEt", ControlKind::Button, false, {40, 280, 105, 25}, 13, false, C, "Eta"},
        {"CommandTh", ControlKind::Button, false, {176, 280, 105, 25}, 13, false, C, "Theta"},
        {"CommandLa", ControlKind::Button, false, {312, 280, 105, 25}, 13, false, C, "Lambda"},
        {"CommandMy", ControlKind::Button, false, {448, 280, 105, 25}, 13, false, C, "My"},
        {"CommandNy", ControlKind::Button, false, {584, 280, 105, 25}, 13, false, C, "Ny"},
        {"CommandPi", ControlKind::Button, false, {40, 328, 105, 25}, 13, false, C, "Pi"},
        {"CommandRh", ControlKind::Button, false, {176, 328, 105, 25}, 13, false, C, "Rho"},
        {"CommandSi", ControlKind::Button, false, {312, 328, 105, 25}, 13, false, C, "Sigma"},
        {"CommandPh", ControlKind::Button, false, {448, 328, 105, 25}, 13, false, C, "Phi"},
        {"CommandOm", ControlKind::Button, false, {584, 328, 105, 25}, 13, false, C, "Omega"},
        {"CommandKlein", ControlKind::Button, false, {40, 416, 185, 33}, 13, true, C, "Kleinbuchstaben"},
        {"CommandGross", ControlKind::Button, false, {272, 416, 185, 33}, 13, true, C, "Großbuchstaben"},
        {"CommandGemischt", ControlKind::Button, false, {504, 416, 185, 33}, 13, true, C, "Gemischt"},
        {"CommandEnde", ControlKind::Button, false, {272, 496, 185, 33}, 11, false, C, "Ende"},
        // clang-format on
    };
    ASSERT_EQ(std::size(designed), kControlCount);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlDefinition& control = formHauptControls()[i];
        const auto& d = designed[i];
        SCOPED_TRACE(d.name);
        EXPECT_STREQ(control.name, d.name);
        EXPECT_EQ(control.kind, d.kind);
        EXPECT_EQ(control.inFrame1, d.inFrame1);
        const PixelRect place = pixelsInContainer(control);
        EXPECT_EQ(std::tuple(place.left, place.top, place.width, place.height),
                  std::tuple(d.place.left, d.place.top, d.place.width, d.place.height));
        EXPECT_EQ(control.fontPixels, d.fontPixels);
        EXPECT_EQ(control.bold, d.bold);
        EXPECT_EQ(control.alignment, d.alignment);
        EXPECT_STREQ(control.caption, d.caption);
    }
    EXPECT_EQ(std::pair(kClientWidth, kClientHeight), std::pair(741, 592));
    EXPECT_STREQ(kWindowTitle, "Letterfibel");

    std::vector<std::string> buttons;
    for (const ControlId id : controlsInTabOrder())
        if (controlDefinition(id).kind == ControlKind::Button)
            buttons.push_back(controlDefinition(id).name);
    const std::vector<std::string> designedOrder = {
        "CommandEnde", "CommandAl",    "CommandBe",    "CommandGa",      "CommandDe",
        "CommandEp",   "CommandEt",    "CommandTh",    "CommandLa",      "CommandMy",
        "CommandNy",   "CommandPi",    "CommandRh",    "CommandSi",      "CommandPh",
        "CommandOm",   "CommandKlein", "CommandGross", "CommandGemischt"};
    EXPECT_EQ(buttons, designedOrder);
    EXPECT_EQ(focusAtStart(), ControlId::CommandEnde);
}

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
