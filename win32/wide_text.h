// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace letterfibel::win32 {

// The program keeps its texts in UTF-8; Windows' wide-character API takes UTF-16.
std::wstring wideFromUtf8(std::string_view text);
std::wstring wideFromUtf16(const std::u16string& text);

} // namespace letterfibel::win32
