// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "greek_glyphs.h"

#include "buchstaben.h"

namespace letterfibel {

namespace {

// Adobe Symbol encoding of the Latin letters. "j" is phi1, the looped phi: Unicode's reference
// glyph for U+03C6, while U+03D5 is drawn stroked, as Symbol's "f" is.
constexpr char16_t kUppercase[26] = {
    u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6', u'\u0393', // A B C D E F G
    u'\u0397', u'\u0399', u'\u03D1', u'\u039A', u'\u039B', u'\u039C', u'\u039D', // H I J K L M N
    u'\u039F', u'\u03A0', u'\u0398', u'\u03A1', u'\u03A3', u'\u03A4', u'\u03A5', // O P Q R S T U
    u'\u03C2', u'\u03A9', u'\u039E', u'\u03A8', u'\u0396',                       // V W X Y Z
};
constexpr char16_t kLowercase[26] = {
    u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03D5', u'\u03B3', // a b c d e f g
    u'\u03B7', u'\u03B9', u'\u03C6', u'\u03BA', u'\u03BB', u'\u03BC', u'\u03BD', // h i j k l m n
    u'\u03BF', u'\u03C0', u'\u03B8', u'\u03C1', u'\u03C3', u'\u03C4', u'\u03C5', // o p q r s t u
    u'\u03D6', u'\u03C9', u'\u03BE', u'\u03C8', u'\u03B6',                       // v w x y z
};

} // namespace

std::u16string greekFromSymbolText(std::string_view symbolText) {
    std::u16string greek;
    greek.reserve(symbolText.size());
    for (const char c : symbolText) {
        if (c >= 'A' && c <= 'Z')
            greek += kUppercase[c - 'A'];
        else if (c >= 'a' && c <= 'z')
            greek += kLowercase[c - 'a'];
        else
            greek += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return greek;
}

std::u16string everyDrilledGlyph() {
    Buchstaben table;
    table.Fill();
    std::string symbolText;
    for (int letter = 1; letter <= Buchstaben::kDrilled; ++letter)
        for (int row : {Buchstaben::kLowercaseRow, Buchstaben::kUppercaseRow})
            symbolText += table.Cell(letter, row);
    return greekFromSymbolText(symbolText);
}

} // namespace letterfibel
