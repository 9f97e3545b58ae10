// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "buchstaben.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace letterfibel {

class Display;
class RuntimeServices;

struct DrillState {
    int Nummer = 0; // letter on display; 0 until the first drill
    int Art = 0;    // drilled row: 1 lowercase, 2 uppercase
    std::int64_t Richtig = 0;
    std::int64_t Falsch = 0;
    int Fehler = 0; // 1 once the letter on display had a wrong click
    int ModusGemischt = 0;
};

// Where the drill stands, and so which clicks it takes:
//   NoDrill        before the first mode click: a name click is judged against no name (wrong);
//   Asking         a letter waits for its name: name clicks are judged;
//   ShowingAnswer  the pause after a right answer: name clicks are not judged, since the letter
//                  is answered; the runtime's call-back draws the next letter and asks again.
// A mode click starts a drill in every phase, ending a pause without its drawing.
enum class Phase { NoDrill, Asking, ShowingAnswer };

// The drill: its state, the three modes, the drawing of letters and the judging of answers.
// Every operation writes its results to the display in a fixed order; an exception from the
// display or a bounds check ends the operation there and leaves the fields as they are. It never
// waits: the pause is a call-back of the runtime.
class Quiz {
public:
    static constexpr std::string_view kLowercaseQuestion =
        "Welcher griechische Kleinbuchstabe ist sichtbar ?";
    static constexpr std::string_view kUppercaseQuestion =
        "Welcher griechische Grossbuchstabe ist sichtbar ?";
    static constexpr std::string_view kGreen = "&H00C000";
    static constexpr std::string_view kRed = "&H000000FF";
    static constexpr auto kPause = std::chrono::seconds(2);

    Quiz(Display& display, RuntimeServices& runtime);

    void Fill() { m_buchstaben.Fill(); }
    void Init();
    void StartKlein();
    void StartGross();
    void StartGemischt();

    // A click on a name button; judged unless the pause after a right answer runs.
    void answerClicked(std::string_view clickedName);

private:
    void DrawCase();
    void DrawLetter();
    void PruefeAntwort(const std::string& rightName, const std::string& clickedName);
    void beginDrill();
    void startSingleCase(int art, std::string_view question);
    void showCounters();
    void pauseOver();

    Display& m_display;
    RuntimeServices& m_runtime;
    Buchstaben m_buchstaben;
    DrillState m_state;
    Phase m_phase = Phase::NoDrill;
};

// A whole number from 1 to count for every rnd in [0, 1), each equally likely.
int drawNumber(double rnd, int count);

} // namespace letterfibel
