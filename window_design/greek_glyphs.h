// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace letterfibel {

// The letter table keeps the Latin characters that the Symbol font draws as Greek letters.
// This turns them into the Greek code points (UTF-16, the text of Qt, Win32 and the browser
// alike), so that any Unicode font shows the same letter.
std::u16string greekFromSymbolText(std::string_view symbolText);

// Every glyph the drill can show, lowercase and uppercase, as Greek code points: what a font
// must have to draw the letter display.
std::u16string everyDrilledGlyph();

} // namespace letterfibel
