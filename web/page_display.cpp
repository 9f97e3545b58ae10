// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_display.h"

#include "css_colour.h"
#include "form_controls.h"
#include "greek_glyphs.h"

#include <emscripten/emscripten.h>

#include <string>

namespace letterfibel::web {

namespace {

EM_JS(void, setElementText, (const char* id, const char* text),
      { document.getElementById(UTF8ToString(id)).textContent = UTF8ToString(text); });

EM_JS(void, setElementGreekText, (const char* id, const char16_t* text),
      { document.getElementById(UTF8ToString(id)).textContent = UTF16ToString(text); });

EM_JS(void, setElementColour, (const char* id, const char* colour),
      { document.getElementById(UTF8ToString(id)).style.color = UTF8ToString(colour); });

std::string elementOf(letterfibel::DisplayControl control) {
    std::string id = letterfibel::controlDefinition(letterfibel::controlShowing(control)).name;
    // The frame's caption is an element of its own, which also names the group; the glyph
    // stands in a child hidden from assistive technology.
    if (control == letterfibel::DisplayControl::Frame1)
        id += "-caption";
    if (control == letterfibel::DisplayControl::LabelAnzeige)
        id += "-glyph";
    return id;
}

} // namespace

void PageDisplay::setCaption(letterfibel::DisplayControl control, const std::string& text) {
    if (control == letterfibel::DisplayControl::LabelAnzeige) {
        setElementGreekText(elementOf(control).c_str(),
                            letterfibel::greekFromSymbolText(text).c_str());
        return;
    }
    setElementText(elementOf(control).c_str(), text.c_str());
}

void PageDisplay::setForeColour(letterfibel::DisplayControl control, std::int32_t colour) {
    setElementColour(elementOf(control).c_str(), cssColour(colour).c_str());
}

} // namespace letterfibel::web
