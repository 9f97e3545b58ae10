// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace letterfibel {

// Puts what the drill shows into the words a screen reader says, the same on every front end:
// the question when it is set, and after a click the verdict with the name shown and the
// counter that changed ("Falsch: Beta. 1 falsch"). It stands between the engine and a front
// end's display and passes every set on. The words of one action are gathered; the front end,
// told once per action, takes them when its event loop runs again (for a right answer: as its
// pause begins), so that one action is said once.
class SpokenFeedback : public Display {
public:
    SpokenFeedback(Display& shown, std::function<void()> wordsWaiting);

    void showVerdict(Verdict verdict) override;
    void setCaption(DisplayControl control, const std::string& text) override;
    void setForeColour(DisplayControl control, std::int32_t colour) override;

    // The words gathered since the last call; empty when there is nothing new to say.
    std::string takeWords();

private:
    void gathered();

    Display& m_shown;
    std::function<void()> m_wordsWaiting;
    bool m_waiting = false;
    std::string m_question;
    std::string m_verdict;
    std::string m_name;
    std::vector<std::string> m_counters;
    // What LabelRichtig and LabelFalsch show, so that only a counter that changed is said.
    std::array<std::string, 2> m_counterTexts;
};

// How long a front end leaves the words with a screen reader before it empties their control:
// the reader fetches them when told and gives no word back when it has; afterwards a review of
// the window must not find an old verdict.
constexpr std::chrono::milliseconds kWordsKeptFor{2000};

// "Richtig" or "Falsch".
const char* verdictWord(Verdict verdict);

} // namespace letterfibel
