// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "button_search.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace letterfibel;
using std::chrono::milliseconds;

namespace {

// One key: what is typed, how long after the key before, and where the focus is then (none:
// it stays where the search put it).
struct Key {
    char32_t character;
    int afterMs;
    std::optional<ControlId> focusAfter; // what the search must focus; none: the focus stays
};

struct Typing {
    const char* what;
    std::optional<ControlId> focusedAtStart;
    std::vector<Key> keys;
    friend void PrintTo(const Typing& typing, std::ostream* os) { *os << typing.what; }
};

using enum ControlId;

class TypingReachesButtons : public ::testing::TestWithParam<Typing> {};

TEST_P(TypingReachesButtons, FocusFollowsTheTypedStart) {
    const Typing& typing = GetParam();
    ButtonSearch search;
    std::optional<ControlId> focused = typing.focusedAtStart;
    milliseconds time{5000};
    for (std::size_t i = 0; i < typing.keys.size(); ++i) {
        const Key& key = typing.keys[i];
        time += milliseconds(key.afterMs);
        const ButtonSearch::Step step = search.typed(key.character, time, focused);
        EXPECT_TRUE(step.taken) << "key " << i;
        const std::optional<ControlId> expected = key.focusAfter;
        EXPECT_EQ(step.focus, expected) << "key " << i;
        if (step.focus)
            focused = step.focus;
    }
}

const std::optional<ControlId> kStays;

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingReachesButtons,
    ::testing::Values(
        Typing{"one_letter", CommandEnde, {{U'o', 0, CommandOm}}},
        Typing{"two_letters", CommandEnde, {{U'p', 0, CommandPi}, {U'h', 300, CommandPh}}},
        Typing{"umlaut_word_any_case",
               CommandEnde,
               {{U'G', 0, CommandGa}, {U'R', 200, CommandGross}, {U'o', 200, CommandGross}}},
        Typing{"further_letters_keep_a_match",
               CommandEnde,
               {{U'e', 0, CommandEp}, {U'p', 200, CommandEp}}},
        Typing{
            "second_letter_moves_on", CommandEnde, {{U'e', 0, CommandEp}, {U't', 200, CommandEt}}},
        Typing{"same_letter_cycles",
               CommandEnde,
               {{U'e', 0, CommandEp}, {U'e', 200, CommandEt}, {U'e', 200, CommandEp}}},
        Typing{"cycles_through_modes",
               CommandEnde,
               {{U'g', 0, CommandGa},
                {U'g', 200, CommandGross},
                {U'g', 200, CommandGemischt},
                {U'g', 200, CommandGa}}},
        Typing{"first_letter_searches_after_the_focus", CommandEp, {{U'e', 0, CommandEt}}},
        Typing{"only_match_is_the_focused_one", CommandAl, {{U'a', 0, CommandAl}}},
        Typing{"wraps_round", CommandGemischt, {{U'a', 0, CommandAl}}},
        Typing{"no_focus_starts_at_the_first", std::nullopt, {{U'g', 0, CommandGa}}},
        Typing{"a_pause_of_a_second_starts_afresh",
               CommandEnde,
               {{U'p', 0, CommandPi}, {U'h', 1000, kStays}, {U'o', 999, kStays}}},
        // A learner's steady five keys a second: the second counts from the key before.
        Typing{"a_whole_name_typed_steadily",
               CommandEnde,
               {{U'e', 0, CommandEp},
                {U'p', 200, CommandEp},
                {U's', 200, CommandEp},
                {U'i', 200, CommandEp},
                {U'l', 200, CommandEp},
                {U'o', 200, CommandEp},
                {U'n', 200, CommandEp}}},
        Typing{"just_under_a_second_extends",
               CommandEnde,
               {{U'p', 0, CommandPi}, {U'h', 999, CommandPh}}},
        Typing{"after_a_pause_the_same_letter_searches_anew",
               CommandEnde,
               {{U'e', 0, CommandEp}, {U'e', 1500, CommandEt}}},
        Typing{"no_caption_begins_so", CommandSi, {{U'x', 0, kStays}, {U'7', 100, kStays}}},
        Typing{"ende_is_never_reached",
               CommandGemischt,
               {{U'e', 0, CommandEp}, {U'n', 100, kStays}, {U'd', 100, kStays}}}),
    [](const ::testing::TestParamInfo<Typing>& info) { return std::string(info.param.what); });

TEST(TypingReachesButtons, KeysThatPressOrMoveAreNotTakenAndEndTheWord) {
    ButtonSearch search;
    const milliseconds start{5000};
    EXPECT_EQ(search.typed(U'p', start, CommandEnde).focus, CommandPi);
    for (const char32_t key : {U' ', U'\r', U'\t', U'\u001B'}) {
        const ButtonSearch::Step step = search.typed(key, start + milliseconds(100), CommandPi);
        EXPECT_FALSE(step.taken) << static_cast<int>(key);
        EXPECT_FALSE(step.focus) << static_cast<int>(key);
    }
    // After Space has pressed Pi, "a" is a word of its own, not "pa".
    EXPECT_EQ(search.typed(U'a', start + milliseconds(200), CommandPi).focus, CommandAl);
}

} // namespace
