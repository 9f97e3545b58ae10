// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz.h"

#include "display.h"
#include "runtime_services.h"
#include "text.h"

#include <cmath>

namespace letterfibel {

int drawNumber(double rnd, int count) {
    // floor(rnd * count + 1) would round 2 * 0.99999999999999989 + 1 up to 3; adding the 1 after
    // the floor keeps the result inside 1 to count for every rnd below 1.
    return static_cast<int>(std::floor(rnd * count)) + 1;
}

Quiz::Quiz(Display& display, RuntimeServices& runtime)
    : m_display(display)
    , m_runtime(runtime) {}

void Quiz::Init() {
    m_state.Richtig = 0;
    m_state.Falsch = 0;
    m_state.Fehler = 0;
    m_state.Art = Buchstaben::kLowercaseRow;
}

void Quiz::StartKlein() {
    startSingleCase(Buchstaben::kLowercaseRow, kLowercaseQuestion);
}

void Quiz::StartGross() {
    startSingleCase(Buchstaben::kUppercaseRow, kUppercaseQuestion);
}

void Quiz::beginDrill() {
    // A pause still running belongs to the old drill: its letter must not replace the new one.
    m_runtime.cancelCallBack();
    m_phase = Phase::Asking;
}

void Quiz::startSingleCase(int art, std::string_view question) {
    beginDrill();
    m_state.Richtig = 0;
    m_state.Falsch = 0;
    m_state.Fehler = 0;
    m_state.ModusGemischt = 0;
    m_state.Art = art;
    m_display.setCaption(DisplayControl::Frame1, std::string(question));
    showCounters();
    DrawLetter();
}

void Quiz::StartGemischt() {
    beginDrill();
    m_state.Richtig = 0;
    m_state.Falsch = 0;
    m_state.Fehler = 0;
    m_state.ModusGemischt = 1;
    DrawCase();
    showCounters();
    DrawLetter();
}

void Quiz::DrawCase() {
    if (m_state.ModusGemischt != 1)
        return;
    m_state.Art = drawNumber(m_runtime.nextRandom(), 2);
    if (m_state.Art == Buchstaben::kLowercaseRow)
        m_display.setCaption(DisplayControl::Frame1, std::string(kLowercaseQuestion));
    else if (m_state.Art == Buchstaben::kUppercaseRow)
        m_display.setCaption(DisplayControl::Frame1, std::string(kUppercaseQuestion));
}

void Quiz::DrawLetter() {
    m_state.Nummer = drawNumber(m_runtime.nextRandom(), Buchstaben::kDrilled);
    m_display.setCaption(DisplayControl::LabelAnzeige,
                         m_buchstaben.Cell(m_state.Nummer, m_state.Art));
}

void Quiz::showCounters() {
    m_display.setCaption(DisplayControl::LabelRichtig, counterText(m_state.Richtig, " richtig"));
    m_display.setCaption(DisplayControl::LabelFalsch, counterText(m_state.Falsch, " falsch"));
}

void Quiz::answerClicked(std::string_view clickedName) {
    // The letter on display has already been answered; judging again would score it twice.
    if (m_phase == Phase::ShowingAnswer)
        return;
    const std::string name(clickedName);
    PruefeAntwort(m_buchstaben.Cell(m_state.Nummer, Buchstaben::kNameRow), name);
}

void Quiz::PruefeAntwort(const std::string& rightName, const std::string& clickedName) {
    if (clickedName != rightName) {
        m_display.showVerdict(Verdict::Wrong);
        m_display.setForeColour(DisplayControl::LabelAnzeigeText, textToWholeNumber(kRed));
        m_display.setCaption(DisplayControl::LabelAnzeigeText, rightName);
        ++m_state.Falsch;
        m_state.Fehler = 1;
        m_display.setCaption(DisplayControl::LabelFalsch, counterText(m_state.Falsch, " falsch"));
        return;
    }

    m_display.showVerdict(Verdict::Right);
    m_display.setForeColour(DisplayControl::LabelAnzeigeText, textToWholeNumber(kGreen));
    m_display.setCaption(DisplayControl::LabelAnzeigeText, rightName);
    if (m_state.Fehler == 0)
        ++m_state.Richtig;
    if (m_state.Fehler == 1)
        m_state.Fehler = 0;
    m_display.setCaption(DisplayControl::LabelRichtig, counterText(m_state.Richtig, " richtig"));

    // Only now: a failed set above leaves the letter to be answered again.
    m_phase = Phase::ShowingAnswer;
    m_runtime.callBackAfter(kPause, [this] { pauseOver(); });
}

void Quiz::pauseOver() {
    // Asking before drawing: a failure below must not leave the name buttons dead.
    m_phase = Phase::Asking;
    DrawCase();
    DrawLetter();
    m_display.setCaption(DisplayControl::LabelAnzeigeText, std::string());
}

} // namespace letterfibel
