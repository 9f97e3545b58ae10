// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints every glyph the drill shows as U+XXXX, comma-separated: the characters the page's font
// keeps, taken from the letter table itself. Run at build time.
#include "greek_glyphs.h"

#include <cstdio>

int main() {
    const char* separator = "";
    for (const char16_t glyph : letterfibel::everyDrilledGlyph()) {
        std::printf("%sU+%04X", separator, static_cast<unsigned>(glyph));
        separator = ",";
    }
    std::printf("\n");
    return 0;
}
