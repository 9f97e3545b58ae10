// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace letterfibel {

// The window's 26 controls with their start values, for every front end to build its own
// widgets from. Lengths are in twips (15 to a pixel at 96 dpi); positions of the labels in
// Frame1 are relative to the frame's outer rectangle.
enum class ControlKind { Label, Frame, Button };
enum class TextAlignment { Left, Centre, Right };

// In the order of the table, which is also the order of creation: the counters come after
// LabelAnzeigeText, so they are drawn in front of it where their rectangles overlap.
enum class ControlId {
    Label1,
    Label2,
    Frame1,
    LabelAnzeige,
    LabelAnzeigeText,
    LabelRichtig,
    LabelFalsch,
    CommandAl,
    CommandBe,
    CommandGa,
    CommandDe,
    CommandEp,
    CommandEt,
    CommandTh,
    CommandLa,
    CommandMy,
    CommandNy,
    CommandPi,
    CommandRh,
    CommandSi,
    CommandPh,
    CommandOm,
    CommandKlein,
    CommandGross,
    CommandGemischt,
    CommandEnde,
};

struct ControlDefinition {
    ControlId id;
    const char* name;
    ControlKind kind;
    bool inFrame1;
    const char* caption; // UTF-8
    int left;
    int top;
    int width;
    int height;
    int fontPixels; // Arial
    bool bold;
    std::int32_t foreColour; // &H00BBGGRR, or kDefaultColour for the system's button text
    TextAlignment alignment;
    int tabIndex;
};

constexpr std::size_t kControlCount = 26;
constexpr std::int32_t kDefaultColour = -1;
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 11115 / kTwipsPerPixel;
constexpr int kClientHeight = 8880 / kTwipsPerPixel;

// A control's place and size in pixels at 96 dpi: in its container (Frame1's outer rectangle
// for the labels inside it), or in the window's client area.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};
PixelRect pixelsInContainer(const ControlDefinition& control);
PixelRect pixelsInWindow(const ControlDefinition& control);

// Scales are in dots per inch: 96 is 100 %.
constexpr int kDesignScale = 96;
// A length of the layout in device pixels at a scale, rounded to the nearest pixel.
int scaledPixels(int pixels, int scale);
// The scale at which the desktop windows lay out on a screen of scale screenScale (the page
// scales itself to the browser's viewport): the largest from screenScale down to 100 % at which
// the client area with the frame around it (what the frame adds at screenScale) fits the
// available area, all in device pixels; 100 % where none does, and never more than the screen's
// own.
int fittingScale(int screenScale, int availableWidth, int availableHeight, int frameWidth,
                 int frameHeight);

// Where a window of a size that would start at a position starts once it is moved only as far
// as needed to lie within an area, along one axis: at the area's start where it is larger.
int movedIntoArea(int position, int size, int areaStart, int areaSize);

// The face of every text but the letter's; where a system lacks it, a metric twin stands in.
constexpr const char* kTextFace = "Arial";

// The window's title, and what the program is, for assistive technology and task bars.
constexpr const char* kWindowTitle = "Letterfibel";
constexpr const char* kDescription = "Übung zum Lesen der griechischen Buchstaben";

// The name a display control gives assistive technology for what it shows: its caption, except
// where that will not do. The letter on display would give the answer away, and an empty
// feedback label would have no name of its own (a toolkit may give it the frame's question, as
// Qt does).
std::string accessibleName(DisplayControl control, const std::string& caption);

// The control of the table that shows what the engine writes to a display control.
ControlId controlShowing(DisplayControl control);

// A colour number &H00BBGGRR as its three channels, 0 to 255, for every toolkit's own colour.
struct Rgb {
    int red;
    int green;
    int blue;
};
Rgb rgbOf(std::int32_t colour);

const std::array<ControlDefinition, kControlCount>& formHauptControls();
// A control's place in the table, for arrays kept in the table's order.
constexpr std::size_t controlIndex(ControlId id) {
    return static_cast<std::size_t>(id);
}
const ControlDefinition& controlDefinition(ControlId id);
// Every control by its tab index; labels and the frame take no focus, but the order of
// creation follows the tab order on toolkits that move the focus along it.
std::array<ControlId, kControlCount> controlsInTabOrder();
// The button that has the focus when the window opens: the first one in tab order.
ControlId focusAtStart();

} // namespace letterfibel
