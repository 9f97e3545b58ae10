// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace letterfibel::testing {

// Records every set in order; can be told to fail at a given set.
class FakeDisplay : public Display {
public:
    struct Set {
        DisplayControl control;
        bool isColour;
        std::string text;
        std::int32_t colour;
        bool operator==(const Set&) const = default;
    };

    void showVerdict(Verdict verdict) override { verdicts.push_back(verdict); }
    void setCaption(DisplayControl control, const std::string& text) override;
    void setForeColour(DisplayControl control, std::int32_t colour) override;

    // The value last set on a control, "" when none.
    std::string caption(DisplayControl control) const;
    std::optional<std::int32_t> colour(DisplayControl control) const;

    std::vector<Set> sets;
    std::vector<Verdict> verdicts;
    // 1 fails the next set, 2 the one after, ...; 0 never.
    int failAtSet = 0;

private:
    void record(Set set);
};

FakeDisplay::Set caption(DisplayControl control, std::string text);
FakeDisplay::Set foreColour(DisplayControl control, std::int32_t colour);
void PrintTo(const FakeDisplay::Set& set, std::ostream* os);

} // namespace letterfibel::testing
