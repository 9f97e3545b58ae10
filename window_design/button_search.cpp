// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "button_search.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace letterfibel {

namespace {

// Upper and lower case alike for the letters the captions use (Latin-1); "ß" has no capital.
char32_t folded(char32_t character) {
    const bool capital =
        (character >= U'A' && character <= U'Z') ||
        (character >= U'\u00C0' && character <= U'\u00DE' && character != U'\u00D7');
    return capital ? character + 0x20 : character;
}

std::u32string foldedCaption(const char* utf8) {
    std::u32string text;
    for (const auto* byte = reinterpret_cast<const unsigned char*>(utf8); *byte;) {
        char32_t character = *byte++;
        int following = character >= 0xF0 ? 3 : character >= 0xE0 ? 2 : character >= 0xC0 ? 1 : 0;
        if (following)
            character &= 0x3F >> following;
        for (; following > 0 && *byte; --following)
            character = (character << 6) | (*byte++ & 0x3F);
        text += folded(character);
    }
    return text;
}

struct Candidate {
    ControlId id;
    std::u32string caption;
};

// The buttons typing reaches, in tab order: every one but Ende, so that no typed answer can
// end the program.
const std::vector<Candidate>& candidates() {
    static const std::vector<Candidate> buttons = [] {
        std::vector<Candidate> found;
        for (const ControlId id : controlsInTabOrder()) {
            const ControlDefinition& control = controlDefinition(id);
            if (control.kind == ControlKind::Button && id != ControlId::CommandEnde)
                found.push_back({id, foldedCaption(control.caption)});
        }
        return found;
    }();
    return buttons;
}

int tabIndexOf(ControlId id) {
    return controlDefinition(id).tabIndex;
}

// Where the search begins: at the focused candidate, or the one after it; for a focus elsewhere
// the first candidate after it in tab order, and the first of all without a focus.
std::size_t searchStart(std::optional<ControlId> focused, bool afterFocused) {
    const auto& buttons = candidates();
    if (!focused)
        return 0;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].id == *focused)
            return afterFocused ? (i + 1) % buttons.size() : i;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (tabIndexOf(buttons[i].id) > tabIndexOf(*focused))
            return i;
    return 0;
}

} // namespace

ButtonSearch::Step ButtonSearch::typed(char32_t character, std::chrono::milliseconds time,
                                       std::optional<ControlId> focused) {
    const bool searching = character > U' ' && character != U'\u007F' &&
                           !(character >= U'\u0080' && character < U'\u00A0');
    if (!searching || time - m_lastKey >= kTypingPause)
        m_typed.clear();
    m_lastKey = time;
    if (!searching)
        return {};

    m_typed += folded(character);
    // The same letter again moves on to the next button that begins with it.
    const bool repeated = std::all_of(m_typed.begin(), m_typed.end(),
                                      [this](char32_t typed) { return typed == m_typed.front(); });
    const std::u32string prefix = repeated ? m_typed.substr(0, 1) : m_typed;
    const auto& buttons = candidates();
    const std::size_t start = searchStart(focused, m_typed.size() == 1 || repeated);
    for (std::size_t step = 0; step < buttons.size(); ++step) {
        const Candidate& button = buttons[(start + step) % buttons.size()];
        if (button.caption.starts_with(prefix))
            return {true, button.id};
    }
    return {true, std::nullopt};
}

} // namespace letterfibel
