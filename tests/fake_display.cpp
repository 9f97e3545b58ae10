// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_display.h"

#include <stdexcept>

namespace letterfibel::testing {

namespace {
const char* controlName(DisplayControl control) {
    switch (control) {
    case DisplayControl::Frame1:
        return "Frame1";
    case DisplayControl::LabelAnzeige:
        return "LabelAnzeige";
    case DisplayControl::LabelAnzeigeText:
        return "LabelAnzeigeText";
    case DisplayControl::LabelRichtig:
        return "LabelRichtig";
    case DisplayControl::LabelFalsch:
        return "LabelFalsch";
    }
    return "?";
}
} // namespace

void FakeDisplay::record(Set set) {
    if (failAtSet > 0 && --failAtSet == 0)
        throw std::runtime_error(std::string("set failed on ") + controlName(set.control));
    sets.push_back(std::move(set));
}

void FakeDisplay::setCaption(DisplayControl control, const std::string& text) {
    record(testing::caption(control, text));
}

void FakeDisplay::setForeColour(DisplayControl control, std::int32_t colour) {
    record(testing::foreColour(control, colour));
}

std::string FakeDisplay::caption(DisplayControl control) const {
    for (auto it = sets.rbegin(); it != sets.rend(); ++it)
        if (it->control == control && !it->isColour)
            return it->text;
    return {};
}

std::optional<std::int32_t> FakeDisplay::colour(DisplayControl control) const {
    for (auto it = sets.rbegin(); it != sets.rend(); ++it)
        if (it->control == control && it->isColour)
            return it->colour;
    return std::nullopt;
}

FakeDisplay::Set caption(DisplayControl control, std::string text) {
    return {control, false, std::move(text), 0};
}

FakeDisplay::Set foreColour(DisplayControl control, std::int32_t colour) {
    return {control, true, {}, colour};
}

void PrintTo(const FakeDisplay::Set& set, std::ostream* os) {
    *os << controlName(set.control);
    if (set.isColour)
        *os << ".ForeColor = " << set.colour;
    else
        *os << ".Caption = \"" << set.text << '"';
}

} // namespace letterfibel::testing
