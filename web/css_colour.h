// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace letterfibel::web {

// A colour number &H00BBGGRR as CSS: the page's own colour for it where the stylesheet gives one
// (more contrast asked for), else the number's colour.
std::string cssColour(std::int32_t colour);

} // namespace letterfibel::web
