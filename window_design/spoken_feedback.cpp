// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_feedback.h"

#include "form_controls.h"

#include <utility>

namespace letterfibel {

const char* verdictWord(Verdict verdict) {
    return verdict == Verdict::Right ? "Richtig" : "Falsch";
}

SpokenFeedback::SpokenFeedback(Display& shown, std::function<void()> wordsWaiting)
    : m_shown(shown)
    , m_wordsWaiting(std::move(wordsWaiting))
    , m_counterTexts{controlDefinition(ControlId::LabelRichtig).caption,
                     controlDefinition(ControlId::LabelFalsch).caption} {}

void SpokenFeedback::showVerdict(Verdict verdict) {
    m_shown.showVerdict(verdict);
    m_verdict = verdictWord(verdict);
    m_name.clear();
    m_counters.clear();
    gathered();
}

void SpokenFeedback::setCaption(DisplayControl control, const std::string& text) {
    // Only what was shown is said: a set that failed has thrown by now.
    m_shown.setCaption(control, text);
    switch (control) {
    case DisplayControl::Frame1:
        m_question = text;
        gathered();
        break;
    case DisplayControl::LabelAnzeigeText:
        // The emptied feedback after a pause says nothing new.
        if (!text.empty())
            m_name = text;
        break;
    case DisplayControl::LabelRichtig:
    case DisplayControl::LabelFalsch: {
        std::string& shownBefore = m_counterTexts[control == DisplayControl::LabelRichtig ? 0 : 1];
        // A drill start resets the counters without a verdict; only a judged click says them.
        if (!m_verdict.empty() && text != shownBefore)
            m_counters.push_back(text);
        shownBefore = text;
        break;
    }
    case DisplayControl::LabelAnzeige:
        // The glyph is the answer: never said.
        break;
    }
}

void SpokenFeedback::setForeColour(DisplayControl control, std::int32_t colour) {
    m_shown.setForeColour(control, colour);
}

void SpokenFeedback::gathered() {
    if (m_waiting)
        return;
    m_waiting = true;
    m_wordsWaiting();
}

std::string SpokenFeedback::takeWords() {
    m_waiting = false;
    std::vector<std::string> parts;
    if (!m_verdict.empty())
        parts.push_back(m_name.empty() ? m_verdict : m_verdict + ": " + m_name);
    for (std::string& counter : m_counters)
        parts.push_back(std::move(counter));
    if (!m_question.empty())
        parts.push_back(m_question);
    m_verdict.clear();
    m_name.clear();
    m_counters.clear();
    m_question.clear();

    std::string words;
    for (const std::string& part : parts)
        words += (words.empty() ? "" : ". ") + part;
    return words;
}

} // namespace letterfibel
