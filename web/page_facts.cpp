// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's static files take from the shared layer, worked out at build time.
//   page_facts glyphs  every glyph the drill shows as U+XXXX, comma-separated: the characters
//                      the page's font keeps
//   page_facts texts   the window's title and the program's description as a CMake script:
//                      the page's title and the manifest's
#include "form_controls.h"
#include "greek_glyphs.h"

#include <cstdio>
#include <cstring>

namespace {

// The texts go into HTML, JSON and a CMake string as they stand; a character that one of them
// would read otherwise stops the build instead.
bool printCMakeSet(const char* name, const char* text) {
    for (const char* c = text; *c; ++c) {
        if (static_cast<unsigned char>(*c) < 0x20 || std::strchr("&<>\"\\$", *c)) {
            std::fprintf(stderr, "page_facts: %s holds '%c', which the page would need escaped\n",
                         name, *c);
            return false;
        }
    }
    std::printf("set(%s \"%s\")\n", name, text);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "glyphs") == 0) {
        const char* separator = "";
        for (const char16_t glyph : letterfibel::everyDrilledGlyph()) {
            std::printf("%sU+%04X", separator, static_cast<unsigned>(glyph));
            separator = ",";
        }
        std::printf("\n");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "texts") == 0) {
        const bool printed = printCMakeSet("WINDOW_TITLE", letterfibel::kWindowTitle) &&
                             printCMakeSet("DESCRIPTION", letterfibel::kDescription);
        return printed ? 0 : 1;
    }
    std::fprintf(stderr, "usage: page_facts glyphs|texts\n");
    return 2;
}
