// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace letterfibel {

// The five controls the engine writes to. It never reads them back.
enum class DisplayControl {
    Frame1,           // the question
    LabelAnzeige,     // the glyph of the letter on display
    LabelAnzeigeText, // the feedback: the right name in red or green
    LabelRichtig,
    LabelFalsch,
};

// The engine's judgement of a clicked name.
enum class Verdict { Right, Wrong };

class Display {
public:
    virtual ~Display() = default;

    // Said before the right name is shown, so that a front end never has to read the verdict
    // back from a colour.
    virtual void showVerdict(Verdict verdict) = 0;

    // A failed set throws; the engine lets it end the operation in progress.
    virtual void setCaption(DisplayControl control, const std::string& text) = 0;
    // colour is a colour number &H00BBGGRR.
    virtual void setForeColour(DisplayControl control, std::int32_t colour) = 0;
};

} // namespace letterfibel
