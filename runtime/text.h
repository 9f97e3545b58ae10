// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace letterfibel {

// A one-character text (UTF-8) from a character code 0 to 255; other codes are an InvalidCall
// error.
std::string charToText(int code);

// Whole number from text, decimal or in the "&H" hexadecimal form ("&H00C000" is 49152).
// Blanks around the number are allowed; anything else that is no number is a TypeMismatch error,
// a number outside 32 bits an Overflow error. Hexadecimal wraps like a 32-bit pattern.
std::int32_t textToWholeNumber(std::string_view text);

// "12 falsch" from 12 and " falsch".
std::string counterText(std::int64_t count, std::string_view word);

} // namespace letterfibel
