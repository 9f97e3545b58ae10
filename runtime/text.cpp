// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text.h"

#include "runtime_error.h"

#include <charconv>
#include <limits>

namespace letterfibel {

std::string charToText(int code) {
    if (code < 0 || code > 255)
        throw RuntimeError(ErrorCode::InvalidCall, "Zeichencode " + std::to_string(code));
    const auto byte = static_cast<unsigned char>(code);
    if (byte < 0x80)
        return std::string(1, static_cast<char>(byte));
    // Codes 128 to 255 are Latin-1; the texts are kept in UTF-8.
    return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "\"" + std::string(...).
std::string quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    result += '"';
    result += text;
    result += '"';
    return result;
}

bool startsWithHexPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
}

} // namespace

std::int32_t textToWholeNumber(std::string_view text) {
    const std::string_view number = trimBlanks(text);
    if (number.empty())
        throw RuntimeError(ErrorCode::TypeMismatch, quoted(text));

    if (startsWithHexPrefix(number)) {
        const std::string_view digits = number.substr(2);
        std::uint64_t value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (digits.empty() || error == std::errc::invalid_argument ||
            end != digits.data() + digits.size())
            throw RuntimeError(ErrorCode::TypeMismatch, quoted(text));
        if (error == std::errc::result_out_of_range || value > 0xFFFFFFFFu)
            throw RuntimeError(ErrorCode::Overflow, quoted(text));
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    // from_chars takes no plus sign.
    std::string_view digits = number;
    if (digits.front() == '+')
        digits.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 10);
    if (digits.empty() || error == std::errc::invalid_argument ||
        end != digits.data() + digits.size() || (digits.front() == '-' && number.front() == '+'))
        throw RuntimeError(ErrorCode::TypeMismatch, quoted(text));
    if (error == std::errc::result_out_of_range ||
        value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw RuntimeError(ErrorCode::Overflow, quoted(text));
    return static_cast<std::int32_t>(value);
}

std::string counterText(std::int64_t count, std::string_view word) {
    std::string text = std::to_string(count);
    text += word;
    return text;
}

} // namespace letterfibel
