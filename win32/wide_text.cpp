// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wide_text.h"

#include <windows.h>

namespace letterfibel::win32 {

std::wstring wideFromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::wstring wideFromUtf16(const std::u16string& text) {
    // wchar_t is UTF-16 on Windows.
    return std::wstring(text.begin(), text.end());
}

} // namespace letterfibel::win32
