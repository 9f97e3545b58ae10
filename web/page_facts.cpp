// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's static files take from the shared layer, worked out at build time.
//   page_facts glyphs  every glyph the drill shows as U+XXXX, comma-separated: the characters
//                      the page's font keeps
//   page_facts texts   the window's title and the program's description as a CMake script:
//                      the page's title and the manifest's
//   page_facts window  the window's 26 controls as HTML: the labels in reading order, the
//                      buttons in tab order; the page draws them before the engine runs
//   page_facts places  each control's place, size, font and colour as CSS rules
//   page_facts table   the controls (name, kind, caption, place in the window, tab index) and
//                      each glyph's name, as JSON: what the page's tests compare it with
#include "buchstaben.h"
#include "css_colour.h"
#include "form_controls.h"
#include "greek_glyphs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

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

std::string escapedForHtml(const char* text) {
    std::string escaped;
    for (const char* c = text; *c; ++c) {
        switch (*c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += *c;
        }
    }
    return escaped;
}

void printControl(const letterfibel::ControlDefinition& control) {
    using letterfibel::ControlKind;
    static constexpr const char* kAlignments[] = {"left", "centre", "right"};
    const std::string classes = std::string("control ") +
                                (control.kind == ControlKind::Label   ? "label"
                                 : control.kind == ControlKind::Frame ? "frame"
                                                                      : "button") +
                                " " + kAlignments[static_cast<int>(control.alignment)] +
                                (control.bold ? " bold" : "");
    const std::string caption = escapedForHtml(control.caption);
    const char* indent = control.inFrame1 ? "  " : "";
    switch (control.kind) {
    case ControlKind::Frame:
        // Its caption is the question; as the legend it names the group.
        std::printf("<fieldset id=\"%s\" class=\"%s\"><legend id=\"%s-caption\" "
                    "class=\"caption\">%s</legend>\n",
                    control.name, classes.c_str(), control.name, caption.c_str());
        return;
    case ControlKind::Button:
        // Until the engine runs, a button neither works nor says it would.
        std::printf("<button type=\"button\" id=\"%s\" class=\"%s\" aria-disabled=\"true\">%s"
                    "</button>\n",
                    control.name, classes.c_str(), caption.c_str());
        return;
    case ControlKind::Label:
        break;
    }
    if (control.id == letterfibel::ControlId::LabelAnzeige) {
        // Its name says what it is; its text would say the answer, so the glyph, which a drill
        // puts in, stands in a child that assistive technology does not see.
        const std::string name = escapedForHtml(
            letterfibel::accessibleName(letterfibel::DisplayControl::LabelAnzeige, {}).c_str());
        std::printf("%s<div id=\"%s\" class=\"%s\" role=\"img\" aria-label=\"%s\"><span "
                    "id=\"%s-glyph\" aria-hidden=\"true\"></span></div>\n",
                    indent, control.name, classes.c_str(), name.c_str(), control.name);
        return;
    }
    const char* tag = control.id == letterfibel::ControlId::Label1 ? "h1" : "div";
    std::printf("%s<%s id=\"%s\" class=\"%s\">%s</%s>\n", indent, tag, control.name,
                classes.c_str(), caption.c_str(), tag);
}

// The labels and the frame first, as they stand from the top, since a screen reader's reading
// mode reads the page in source order; then the buttons in tab order, which is the order the
// page moves the focus along (labels take no focus, so the two orders do not meet).
void printWindow() {
    using letterfibel::ControlDefinition;
    const auto order = letterfibel::controlsInTabOrder();
    std::vector<const ControlDefinition*> read;
    for (const letterfibel::ControlId id : order) {
        const ControlDefinition& control = letterfibel::controlDefinition(id);
        if (control.kind != letterfibel::ControlKind::Button && !control.inFrame1)
            read.push_back(&control);
    }
    std::stable_sort(read.begin(), read.end(), [](const auto* a, const auto* b) {
        return std::pair(a->top, a->left) < std::pair(b->top, b->left);
    });
    for (const ControlDefinition* control : read) {
        printControl(*control);
        if (control->kind != letterfibel::ControlKind::Frame)
            continue;
        for (const letterfibel::ControlId inner : order)
            if (letterfibel::controlDefinition(inner).inFrame1)
                printControl(letterfibel::controlDefinition(inner));
        std::printf("</fieldset>\n");
    }
    for (const letterfibel::ControlId id : order)
        if (letterfibel::controlDefinition(id).kind == letterfibel::ControlKind::Button)
            printControl(letterfibel::controlDefinition(id));
}

// Custom properties, so that the stylesheet can lay the same elements out anew on a narrow
// screen.
void printPlaces() {
    std::printf(":root {\n  --window-width: %dpx;\n  --window-height: %dpx;\n}\n",
                letterfibel::kClientWidth, letterfibel::kClientHeight);
    for (const letterfibel::ControlDefinition& control : letterfibel::formHauptControls()) {
        const letterfibel::PixelRect place = letterfibel::pixelsInContainer(control);
        std::printf("#%s {\n  --left: %dpx;\n  --top: %dpx;\n  --width: %dpx;\n  --height: %dpx;\n"
                    "  --font-size: %dpx;\n",
                    control.name, place.left, place.top, place.width, place.height,
                    control.fontPixels);
        if (control.foreColour != letterfibel::kDefaultColour)
            std::printf("  color: %s;\n", letterfibel::web::cssColour(control.foreColour).c_str());
        std::printf("}\n");
    }
}

void printTable() {
    using letterfibel::ControlKind;
    std::printf("{\"window\": [%d, %d],\n\"controls\": [", letterfibel::kClientWidth,
                letterfibel::kClientHeight);
    const char* separator = "\n";
    for (const letterfibel::ControlDefinition& control : letterfibel::formHauptControls()) {
        const letterfibel::PixelRect place = letterfibel::pixelsInWindow(control);
        const char* kind = control.kind == ControlKind::Button  ? "button"
                           : control.kind == ControlKind::Frame ? "frame"
                                                                : "label";
        std::printf("%s  {\"name\": \"%s\", \"kind\": \"%s\", \"caption\": \"%s\", "
                    "\"place\": [%d, %d, %d, %d], \"tab\": %d}",
                    separator, control.name, kind, escapedForHtml(control.caption).c_str(),
                    place.left, place.top, place.width, place.height, control.tabIndex);
        separator = ",\n";
    }
    std::printf("],\n\"letters\": {");
    letterfibel::Buchstaben table;
    table.Fill();
    separator = "\n";
    for (int letter = 1; letter <= letterfibel::Buchstaben::kDrilled; ++letter)
        for (const int row :
             {letterfibel::Buchstaben::kLowercaseRow, letterfibel::Buchstaben::kUppercaseRow}) {
            const std::u16string glyph = letterfibel::greekFromSymbolText(table.Cell(letter, row));
            std::printf("%s  \"\\u%04X\": \"%s\"", separator, static_cast<unsigned>(glyph.at(0)),
                        table.Cell(letter, letterfibel::Buchstaben::kNameRow).c_str());
            separator = ",\n";
        }
    std::printf("}}\n");
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
    if (argc == 2 && std::strcmp(argv[1], "window") == 0) {
        printWindow();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "places") == 0) {
        printPlaces();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "table") == 0) {
        printTable();
        return 0;
    }
    std::fprintf(stderr, "usage: page_facts glyphs|texts|window|places|table\n");
    return 2;
}
