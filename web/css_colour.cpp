// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "css_colour.h"

#include "form_controls.h"

namespace letterfibel::web {

std::string cssColour(std::int32_t colour) {
    constexpr char kDigits[] = "0123456789abcdef";
    const letterfibel::Rgb channels = letterfibel::rgbOf(colour);
    std::string rgb;
    for (const int channel : {channels.red, channels.green, channels.blue}) {
        rgb += kDigits[channel >> 4];
        rgb += kDigits[channel & 0xF];
    }
    return "var(--colour-" + rgb + ", #" + rgb + ")";
}

} // namespace letterfibel::web
