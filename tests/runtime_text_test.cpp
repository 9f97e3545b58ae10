// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime_error.h"
#include "text.h"

#include <gtest/gtest.h>

using namespace letterfibel;

namespace {

struct NumberRow {
    const char* name;
    const char* text;
    std::int32_t expected;
};

void PrintTo(const NumberRow& row, std::ostream* os) {
    *os << '"' << row.text << '"';
}

class TextToWholeNumberTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(TextToWholeNumberTest, ConvertsTheNumber) {
    EXPECT_EQ(textToWholeNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextToWholeNumberTest,
    ::testing::Values(NumberRow{"green", "&H00C000", 49152}, NumberRow{"red", "&H000000FF", 255},
                      NumberRow{"lower_case_prefix_and_digits", "&hff", 255},
                      NumberRow{"all_bits_wrap_to_minus_one", "&HFFFFFFFF", -1},
                      NumberRow{"decimal", "12", 12}, NumberRow{"negative", "-7", -7},
                      NumberRow{"plus_sign", "+7", 7}, NumberRow{"blanks_around", "  42 ", 42},
                      NumberRow{"largest", "2147483647", 2147483647},
                      NumberRow{"smallest", "-2147483648", -2147483647 - 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextToWholeNumber, TextThatIsNoNumberIsATypeMismatchNotZero) {
    for (const char* text :
         {"", " ", "abc", "12a", "&H", "&HXYZ", "&H12G", "1 2", "+-1", "--1", "0x10"}) {
        try {
            textToWholeNumber(text);
            ADD_FAILURE() << '"' << text << "\" was accepted as a number";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::TypeMismatch) << text;
        }
    }
}

TEST(TextToWholeNumber, NumbersBeyondThirtyTwoBitsOverflow) {
    for (const char* text : {"2147483648", "-2147483649", "&H100000000", "99999999999999999999"}) {
        try {
            textToWholeNumber(text);
            ADD_FAILURE() << '"' << text << "\" did not overflow";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::Overflow) << text;
        }
    }
}

TEST(CharToText, GivesOneCharacterForEveryCode) {
    EXPECT_EQ(charToText(97), "a");
    EXPECT_EQ(charToText(74), "J");
    EXPECT_EQ(charToText(0), std::string(1, '\0'));
    EXPECT_EQ(charToText(0xE4), "\xC3\xA4"); // ä, kept in UTF-8
    EXPECT_EQ(charToText(255), "\xC3\xBF");
}

TEST(CharToText, CodesOutsideTheCharacterSetAreAnInvalidCall) {
    for (int code : {-1, 256, 1000}) {
        try {
            charToText(code);
            ADD_FAILURE() << code << " was accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::InvalidCall);
        }
    }
}

TEST(CounterText, IsTheDecimalCountFollowedByTheWord) {
    EXPECT_EQ(counterText(0, " richtig"), "0 richtig");
    EXPECT_EQ(counterText(0, " falsch"), "0 falsch");
    EXPECT_EQ(counterText(12, " falsch"), "12 falsch");
    EXPECT_EQ(counterText(100, " richtig"), "100 richtig");
    EXPECT_EQ(counterText(9876543210LL, " falsch"), "9876543210 falsch");
}

TEST(RuntimeErrorText, SubscriptErrorIsTypedAndNamesTheIndex) {
    const SubscriptError error(100, 0, 99);
    EXPECT_EQ(error.code(), ErrorCode::SubscriptOutOfRange);
    EXPECT_STREQ(error.what(),
                 "Index außerhalb des gültigen Bereichs (100 liegt nicht in 0 bis 99)");
}

} // namespace
