// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_controls.h"

#include <algorithm>

namespace letterfibel {

namespace {

using enum ControlKind;
using enum ControlId;
constexpr TextAlignment kLeft = TextAlignment::Left;
constexpr TextAlignment kRight = TextAlignment::Right;
constexpr TextAlignment kCentre = TextAlignment::Centre;
constexpr std::int32_t kDefault = kDefaultColour;

// clang-format off
constexpr std::array<ControlDefinition, kControlCount> kControls{{
    // id, name, kind, in Frame1, caption, left, top, width, height, font px, bold, colour,
    // alignment, tab index
    {Label1, "Label1", Label, false, "Letterfibel", 720, 720, 6495, 735, 27, false, kDefault, kLeft, 0},
    {Label2, "Label2", Label, false, "Griechisch lesen", 8280, 840, 1935, 375, 13, false, kDefault, kRight, 25},
    {Frame1, "Frame1", Frame, false, "", 600, 1800, 9735, 1335, 12, false, kDefault, kLeft, 6},
    {LabelAnzeige, "LabelAnzeige", Label, true, "", 2280, 360, 1095, 735, 37, false, kDefault, kCentre, 7},
    {LabelAnzeigeText, "LabelAnzeigeText", Label, true, "", 4200, 480, 3615, 735, 35, false, 0x0000FF00, kLeft, 8},
    {LabelRichtig, "LabelRichtig", Label, true, "0 richtig", 7680, 360, 1455, 375, 16, true, 0x0000C000, kRight, 20},
    {LabelFalsch, "LabelFalsch", Label, true, "0 falsch", 7560, 840, 1575, 375, 16, true, 0x000000FF, kRight, 21},
    {CommandAl, "CommandAl", Button, false, "Alpha", 600, 3480, 1575, 375, 13, false, kDefault, kCentre, 2},
    {CommandBe, "CommandBe", Button, false, "Beta", 2640, 3480, 1575, 375, 13, false, kDefault, kCentre, 3},
    {CommandGa, "CommandGa", Button, false, "Gamma", 4680, 3480, 1575, 375, 13, false, kDefault, kCentre, 4},
    {CommandDe, "CommandDe", Button, false, "Delta", 6720, 3480, 1575, 375, 13, false, kDefault, kCentre, 5},
    {CommandEp, "CommandEp", Button, false, "Epsilon", 8760, 3480, 1575, 375, 13, false, kDefault, kCentre, 9},
    {CommandEt, "CommandEt", Button, false, "Eta", 600, 4200, 1575, 375, 13, false, kDefault, kCentre, 10},
    {CommandTh, "CommandTh", Button, false, "Theta", 2640, 4200, 1575, 375, 13, false, kDefault, kCentre, 11},
    {CommandLa, "CommandLa", Button, false, "Lambda", 4680, 4200, 1575, 375, 13, false, kDefault, kCentre, 12},
    {CommandMy, "CommandMy", Button, false, "My", 6720, 4200, 1575, 375, 13, false, kDefault, kCentre, 13},
    {CommandNy, "CommandNy", Button, false, "Ny", 8760, 4200, 1575, 375, 13, false, kDefault, kCentre, 14},
    {CommandPi, "CommandPi", Button, false, "Pi", 600, 4920, 1575, 375, 13, false, kDefault, kCentre, 15},
    {CommandRh, "CommandRh", Button, false, "Rho", 2640, 4920, 1575, 375, 13, false, kDefault, kCentre, 16},
    {CommandSi, "CommandSi", Button, false, "Sigma", 4680, 4920, 1575, 375, 13, false, kDefault, kCentre, 17},
    {CommandPh, "CommandPh", Button, false, "Phi", 6720, 4920, 1575, 375, 13, false, kDefault, kCentre, 18},
    {CommandOm, "CommandOm", Button, false, "Omega", 8760, 4920, 1575, 375, 13, false, kDefault, kCentre, 19},
    {CommandKlein, "CommandKlein", Button, false, "Kleinbuchstaben", 600, 6240, 2775, 495, 13, true, kDefault, kCentre, 22},
    {CommandGross, "CommandGross", Button, false, "Großbuchstaben", 4080, 6240, 2775, 495, 13, true, kDefault, kCentre, 23},
    {CommandGemischt, "CommandGemischt", Button, false, "Gemischt", 7560, 6240, 2775, 495, 13, true, kDefault, kCentre, 24},
    {CommandEnde, "CommandEnde", Button, false, "Ende", 4080, 7440, 2775, 495, 11, false, kDefault, kCentre, 1},
}};
// clang-format on

static_assert(
    [] {
        for (std::size_t i = 0; i < kControls.size(); ++i)
            if (static_cast<std::size_t>(kControls[i].id) != i)
                return false;
        return true;
    }(),
    "the table is indexed by ControlId");

} // namespace

const std::array<ControlDefinition, kControlCount>& formHauptControls() {
    return kControls;
}

const ControlDefinition& controlDefinition(ControlId id) {
    return kControls[controlIndex(id)];
}

PixelRect pixelsInContainer(const ControlDefinition& control) {
    return {control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
            control.width / kTwipsPerPixel, control.height / kTwipsPerPixel};
}

PixelRect pixelsInWindow(const ControlDefinition& control) {
    PixelRect place = pixelsInContainer(control);
    if (control.inFrame1) {
        const PixelRect frame = pixelsInContainer(controlDefinition(ControlId::Frame1));
        place.left += frame.left;
        place.top += frame.top;
    }
    return place;
}

int scaledPixels(int pixels, int scale) {
    return (pixels * scale + kDesignScale / 2) / kDesignScale;
}

int fittingScale(int screenScale, int availableWidth, int availableHeight, int frameWidth,
                 int frameHeight) {
    int scale = screenScale;
    while (scale > kDesignScale &&
           (scaledPixels(kClientWidth, scale) + frameWidth > availableWidth ||
            scaledPixels(kClientHeight, scale) + frameHeight > availableHeight))
        --scale;
    return scale;
}

int movedIntoArea(int position, int size, int areaStart, int areaSize) {
    return std::max(areaStart, std::min(position, areaStart + areaSize - size));
}

std::array<ControlId, kControlCount> controlsInTabOrder() {
    std::array<ControlId, kControlCount> order{};
    std::transform(kControls.begin(), kControls.end(), order.begin(),
                   [](const ControlDefinition& control) { return control.id; });
    std::sort(order.begin(), order.end(), [](ControlId a, ControlId b) {
        return controlDefinition(a).tabIndex < controlDefinition(b).tabIndex;
    });
    return order;
}

std::string accessibleName(DisplayControl control, const std::string& caption) {
    if (control == DisplayControl::LabelAnzeige)
        return "Angezeigter Buchstabe";
    if (control == DisplayControl::LabelAnzeigeText && caption.empty())
        return "Rückmeldung";
    return caption;
}

ControlId controlShowing(DisplayControl control) {
    switch (control) {
    case DisplayControl::Frame1:
        return ControlId::Frame1;
    case DisplayControl::LabelAnzeige:
        return ControlId::LabelAnzeige;
    case DisplayControl::LabelAnzeigeText:
        return ControlId::LabelAnzeigeText;
    case DisplayControl::LabelRichtig:
        return ControlId::LabelRichtig;
    case DisplayControl::LabelFalsch:
        break;
    }
    return ControlId::LabelFalsch;
}

Rgb rgbOf(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    return {static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
            static_cast<int>((bits >> 16) & 0xFF)};
}

ControlId focusAtStart() {
    for (const ControlId id : controlsInTabOrder())
        if (controlDefinition(id).kind == ControlKind::Button)
            return id;
    return ControlId::CommandEnde;
}

} // namespace letterfibel
