// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_display.h"

#include "greek_glyphs.h"

#include <emscripten/emscripten.h>

#include <cstddef>

namespace letterfibel::web {

namespace {

EM_JS(void, setElementText, (const char* id, const char* text),
      { document.getElementById(UTF8ToString(id)).textContent = UTF8ToString(text); });

EM_JS(void, setElementGreekText, (const char* id, const char16_t* text),
      { document.getElementById(UTF8ToString(id)).textContent = UTF16ToString(text); });

EM_JS(void, setElementColour, (const char* id, const char* colour),
      { document.getElementById(UTF8ToString(id)).style.color = UTF8ToString(colour); });

const char* elementOf(letterfibel::DisplayControl control) {
    // In the order of DisplayControl. The frame's caption is an element of its own, which also
    // names the group; the glyph stands in a child hidden from assistive technology.
    constexpr const char* kElements[] = {"Frame1-caption", "LabelAnzeige-glyph", "LabelAnzeigeText",
                                         "LabelRichtig", "LabelFalsch"};
    return kElements[static_cast<std::size_t>(control)];
}

} // namespace

std::string cssColour(std::int32_t colour) {
    constexpr char kDigits[] = "0123456789abcdef";
    const auto bits = static_cast<std::uint32_t>(colour);
    std::string rgb;
    // Red, green and blue, each two digits: the bytes in the reverse order of the number's.
    for (int shift = 0; shift <= 16; shift += 8)
        for (int nibble : {4, 0})
            rgb += kDigits[(bits >> (shift + nibble)) & 0xF];
    return "var(--colour-" + rgb + ", #" + rgb + ")";
}

void PageDisplay::setCaption(letterfibel::DisplayControl control, const std::string& text) {
    if (control == letterfibel::DisplayControl::LabelAnzeige) {
        setElementGreekText(elementOf(control), letterfibel::greekFromSymbolText(text).c_str());
        return;
    }
    setElementText(elementOf(control), text.c_str());
}

void PageDisplay::setForeColour(letterfibel::DisplayControl control, std::int32_t colour) {
    setElementColour(elementOf(control), cssColour(colour).c_str());
}

} // namespace letterfibel::web
