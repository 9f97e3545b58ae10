// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_controls.h"

#include <chrono>
#include <optional>
#include <string>

namespace letterfibel {

// Typing moves the focus to a button whose caption begins with what was typed, as list boxes
// do, so that a learner can drill without a mouse. Every front end hands it each character
// typed without Ctrl, Alt or the system key, with the time of its key, and moves the focus
// where it says; the rule is the same everywhere.
class ButtonSearch {
public:
    // What a typed character does. A character that is not taken (the blank that presses a
    // button, a control character) goes on to the window as before; it also ends the word
    // typed so far.
    struct Step {
        bool taken = false;
        std::optional<ControlId> focus; // none: the focus stays where it is
    };

    // `time` is any monotonic clock's, in milliseconds; `focused` is the control that has the
    // keyboard focus, none when no control of the window has it.
    Step typed(char32_t character, std::chrono::milliseconds time,
               std::optional<ControlId> focused);

private:
    std::u32string m_typed;
    std::chrono::milliseconds m_lastKey{};
};

// Letters typed closer together than this make one word; after a longer pause a letter starts
// a new one.
constexpr std::chrono::milliseconds kTypingPause{1000};

} // namespace letterfibel
