#include "formhaupt_controls.h"

namespace {

using enum ControlKind;
constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;
constexpr std::int32_t kDefault = kDefaultColour;

// Listed so that the counters come after LabelAnzeigeText and are drawn in front of it where
// their rectangles overlap.
// clang-format off
constexpr std::array<ControlDefinition, 26> kControls{{
    // name, kind, in Frame1, caption, left, top, width, height, font px, bold, symbol, colour,
    // alignment, tab index
    {"Label1", Label, false, "Letterfibel", 720, 720, 6495, 735, 27, false, false, kDefault, kLeft, 0},
    {"Label2", Label, false, "Griechisch lesen", 8280, 840, 1935, 375, 13, false, false, kDefault, kRight, 25},
    {"Frame1", Frame, false, "", 600, 1800, 9735, 1335, 12, false, false, kDefault, kLeft, 6},
    {"LabelAnzeige", Label, true, "", 2280, 360, 1095, 735, 37, false, true, kDefault, kCentre, 7},
    {"LabelAnzeigeText", Label, true, "", 4200, 480, 3615, 735, 35, false, false, 0x0000FF00, kLeft, 8},
    {"LabelRichtig", Label, true, "0 richtig", 7680, 360, 1455, 375, 16, true, false, 0x0000C000, kRight, 20},
    {"LabelFalsch", Label, true, "0 falsch", 7560, 840, 1575, 375, 16, true, false, 0x000000FF, kRight, 21},
    {"CommandAl", Button, false, "Alpha", 600, 3480, 1575, 375, 13, false, false, kDefault, kCentre, 2},
    {"CommandBe", Button, false, "Beta", 2640, 3480, 1575, 375, 13, false, false, kDefault, kCentre, 3},
    {"CommandGa", Button, false, "Gamma", 4680, 3480, 1575, 375, 13, false, false, kDefault, kCentre, 4},
    {"CommandDe", Button, false, "Delta", 6720, 3480, 1575, 375, 13, false, false, kDefault, kCentre, 5},
    {"CommandEp", Button, false, "Epsilon", 8760, 3480, 1575, 375, 13, false, false, kDefault, kCentre, 9},
    {"CommandEt", Button, false, "Eta", 600, 4200, 1575, 375, 13, false, false, kDefault, kCentre, 10},
    {"CommandTh", Button, false, "Theta", 2640, 4200, 1575, 375, 13, false, false, kDefault, kCentre, 11},
    {"CommandLa", Button, false, "Lambda", 4680, 4200, 1575, 375, 13, false, false, kDefault, kCentre, 12},
    {"CommandMy", Button, false, "My", 6720, 4200, 1575, 375, 13, false, false, kDefault, kCentre, 13},
    {"CommandNy", Button, false, "Ny", 8760, 4200, 1575, 375, 13, false, false, kDefault, kCentre, 14},
    {"CommandPi", Button, false, "Pi", 600, 4920, 1575, 375, 13, false, false, kDefault, kCentre, 15},
    {"CommandRh", Button, false, "Rho", 2640, 4920, 1575, 375, 13, false, false, kDefault, kCentre, 16},
    {"CommandSi", Button, false, "Sigma", 4680, 4920, 1575, 375, 13, false, false, kDefault, kCentre, 17},
    {"CommandPh", Button, false, "Phi", 6720, 4920, 1575, 375, 13, false, false, kDefault, kCentre, 18},
    {"CommandOm", Button, false, "Omega", 8760, 4920, 1575, 375, 13, false, false, kDefault, kCentre, 19},
    {"CommandKlein", Button, false, "Kleinbuchstaben", 600, 6240, 2775, 495, 13, true, false, kDefault, kCentre, 22},
    {"CommandGross", Button, false, "Großbuchstaben", 4080, 6240, 2775, 495, 13, true, false, kDefault, kCentre, 23},
    {"CommandGemischt", Button, false, "Gemischt", 7560, 6240, 2775, 495, 13, true, false, kDefault, kCentre, 24},
    {"CommandEnde", Button, false, "Ende", 4080, 7440, 2775, 495, 11, false, false, kDefault, kCentre, 1},
}};
// clang-format on

} // namespace

const std::array<ControlDefinition, 26>& formHauptControls() {
    return kControls;
}
