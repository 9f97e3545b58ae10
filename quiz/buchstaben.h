// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

namespace letterfibel {

// The letter table: for each drilled letter its lowercase glyph (row 1), its uppercase glyph
// (row 2) and its name (row 3). Glyphs are kept as the Latin characters that the Symbol font
// draws as Greek letters; the window turns them into Greek code points.
class Buchstaben {
public:
    static constexpr int kLetters = 100;
    static constexpr int kRows = 4;
    static constexpr int kLowercaseRow = 1;
    static constexpr int kUppercaseRow = 2;
    static constexpr int kNameRow = 3;
    static constexpr int kDrilled = 15;

    void Fill();
    // Throws SubscriptError when either index is outside the table.
    const std::string& Cell(int letter, int row) const;

private:
    std::array<std::array<std::string, kRows>, kLetters> m_cells;
};

} // namespace letterfibel
