// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_controls.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace letterfibel::win32 {

// The window draws its labels and its frame itself: the standard static control wraps words
// where Qt's labels never do, and Wine's group box loses the last character of its caption.

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A font of the window at the layout's density (pixels at 96 dpi, scaled by dpi / 96).
Font createFont(const std::wstring& face, int pixels, bool bold, UINT dpi);

// Arial, where it has every Greek letter the drill shows; otherwise the first face on this
// system that has them all, so that no letter is drawn as an empty box. Checked once per run.
const std::wstring& letterFace();

// One line of text on the button face that never wraps, top-aligned as the table says.
void paintLabel(HDC dc, const RECT& box, const std::wstring& text, HFONT font, COLORREF colour,
                letterfibel::TextAlignment alignment);

// An etched frame with its caption on the line, as a classic group box draws it.
void paintFrame(HDC dc, const RECT& box, const std::wstring& caption, HFONT font);

} // namespace letterfibel::win32
