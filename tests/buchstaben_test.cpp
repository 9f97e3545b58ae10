// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buchstaben.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

using namespace letterfibel;

namespace {

class FilledTable : public ::testing::Test {
protected:
    void SetUp() override { table.Fill(); }
    Buchstaben table;
};

TEST_F(FilledTable, CornersAndUnusedPlacesAreEmpty) {
    EXPECT_EQ(table.Cell(0, 3), "");
    EXPECT_EQ(table.Cell(16, 3), "");
    EXPECT_EQ(table.Cell(0, 0), "");
    EXPECT_EQ(table.Cell(99, 3), "");
    for (int letter = 1; letter <= 15; ++letter)
        EXPECT_EQ(table.Cell(letter, 0), "") << letter;
}

TEST_F(FilledTable, HoldsEveryLetterInDrawingOrder) {
    const char* expected[][3] = {
        {"a", "A", "Alpha"},   {"b", "B", "Beta"},  {"g", "G", "Gamma"},  {"d", "D", "Delta"},
        {"e", "E", "Epsilon"}, {"h", "H", "Eta"},   {"l", "L", "Lambda"}, {"m", "M", "My"},
        {"n", "N", "Ny"},      {"p", "P", "Pi"},    {"r", "R", "Rho"},    {"s", "S", "Sigma"},
        {"j", "F", "Phi"},     {"w", "W", "Omega"}, {"J", "Q", "Theta"},
    };
    for (int letter = 1; letter <= 15; ++letter)
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(table.Cell(letter, row), expected[letter - 1][row - 1])
                << "cell (" << letter << ", " << row << ")";
}

TEST_F(FilledTable, ReadsOutsideTheBoundsThrowASubscriptError) {
    for (auto [letter, row] : {std::pair{-1, 1}, {100, 1}, {1, -1}, {1, 4}, {1000000, 3}}) {
        try {
            table.Cell(letter, row);
            ADD_FAILURE() << "(" << letter << ", " << row << ") was read";
        } catch (const SubscriptError& error) {
            EXPECT_EQ(error.code(), ErrorCode::SubscriptOutOfRange);
        }
    }
}

} // namespace
