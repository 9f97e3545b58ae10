// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buchstaben.h"

#include "runtime_error.h"
#include "text.h"

namespace letterfibel {

namespace {

struct Entry {
    char lowercase;
    char uppercase;
    const char* name;
};

// Theta comes last: the drawn numbers 1 to 15 index this order. "J" and "j" are the Symbol
// font's variant glyphs, the script theta and the looped phi.
constexpr std::array<Entry, Buchstaben::kDrilled> kEntries{{
    {'a', 'A', "Alpha"},
    {'b', 'B', "Beta"},
    {'g', 'G', "Gamma"},
    {'d', 'D', "Delta"},
    {'e', 'E', "Epsilon"},
    {'h', 'H', "Eta"},
    {'l', 'L', "Lambda"},
    {'m', 'M', "My"},
    {'n', 'N', "Ny"},
    {'p', 'P', "Pi"},
    {'r', 'R', "Rho"},
    {'s', 'S', "Sigma"},
    {'j', 'F', "Phi"},
    {'w', 'W', "Omega"},
    {'J', 'Q', "Theta"},
}};

void checkBounds(int index, int upper) {
    if (index < 0 || index > upper)
        throw SubscriptError(index, 0, upper);
}

} // namespace

void Buchstaben::Fill() {
    int letter = 1;
    for (const Entry& entry : kEntries) {
        auto& cells = m_cells.at(static_cast<std::size_t>(letter));
        cells[kLowercaseRow] = charToText(entry.lowercase);
        cells[kUppercaseRow] = charToText(entry.uppercase);
        cells[kNameRow] = entry.name;
        ++letter;
    }
}

const std::string& Buchstaben::Cell(int letter, int row) const {
    checkBounds(letter, kLetters - 1);
    checkBounds(row, kRows - 1);
    return m_cells[static_cast<std::size_t>(letter)][static_cast<std::size_t>(row)];
}

} // namespace letterfibel
