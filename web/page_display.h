// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"

namespace letterfibel::web {

// The engine's five display controls as elements of the page, found by their control names.
class PageDisplay : public letterfibel::Display {
public:
    void showVerdict(letterfibel::Verdict) override {}
    void setCaption(letterfibel::DisplayControl control, const std::string& text) override;
    void setForeColour(letterfibel::DisplayControl control, std::int32_t colour) override;
};

} // namespace letterfibel::web
