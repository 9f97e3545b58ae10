// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label_painting.h"

#include "greek_glyphs.h"
#include "wide_text.h"

#include <algorithm>
#include <vector>

namespace letterfibel::win32 {

namespace {

bool hasEveryGlyph(HDC dc, const std::wstring& face, const std::wstring& glyphs) {
    const letterfibel::ControlDefinition& letter =
        letterfibel::controlDefinition(letterfibel::ControlId::LabelAnzeige);
    const Font font = createFont(face, letter.fontPixels, letter.bold, 96);
    if (!font)
        return false;
    const HGDIOBJ previous = SelectObject(dc, font.get());
    wchar_t selected[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, selected);
    std::vector<WORD> indices(glyphs.size());
    const DWORD found = GetGlyphIndicesW(dc, glyphs.c_str(), static_cast<int>(glyphs.size()),
                                         indices.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    // A face the system does not have is replaced by another one, which need not have the
    // letters; the text face counts also as its metric twin.
    const bool isTextFace = face == wideFromUtf8(letterfibel::kTextFace);
    const bool isThatFace = isTextFace || _wcsicmp(selected, face.c_str()) == 0;
    return isThatFace && found == glyphs.size() &&
           std::none_of(indices.begin(), indices.end(), [](WORD index) { return index == 0xFFFF; });
}

} // namespace

Font createFont(const std::wstring& face, int pixels, bool bold, UINT dpi) {
    return Font(CreateFontW(-MulDiv(pixels, static_cast<int>(dpi), 96), 0, 0, 0,
                            bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, face.c_str()));
}

const std::wstring& letterFace() {
    static const std::wstring face = [] {
        const std::u16string greek = letterfibel::everyDrilledGlyph();
        const std::wstring glyphs(greek.begin(), greek.end());
        HDC dc = CreateCompatibleDC(nullptr);
        std::wstring chosen = wideFromUtf8(letterfibel::kTextFace);
        if (!hasEveryGlyph(dc, chosen, glyphs)) {
            for (const wchar_t* fallback : {L"Segoe UI", L"Times New Roman", L"Tahoma",
                                            L"Microsoft Sans Serif", L"Cambria"}) {
                if (hasEveryGlyph(dc, fallback, glyphs)) {
                    chosen = fallback;
                    break;
                }
            }
        }
        DeleteDC(dc);
        return chosen;
    }();
    return face;
}

void paintLabel(HDC dc, const RECT& box, const std::wstring& text, HFONT font, COLORREF colour,
                letterfibel::TextAlignment alignment) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_TOP;
    if (alignment == letterfibel::TextAlignment::Centre)
        format |= DT_CENTER;
    else if (alignment == letterfibel::TextAlignment::Right)
        format |= DT_RIGHT;
    const HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    RECT area = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc, previous);
}

void paintFrame(HDC dc, const RECT& box, const std::wstring& caption, HFONT font) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT edge = box;
    edge.top += metrics.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
        SIZE size{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        const int gap = metrics.tmAveCharWidth;
        const int padding = std::max<int>(2, metrics.tmAveCharWidth / 3);
        RECT line{box.left + gap, box.top, box.left + gap + size.cx + 2 * padding,
                  box.top + metrics.tmHeight};
        FillRect(dc, &line, GetSysColorBrush(COLOR_BTNFACE));
        line.left += padding;
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &line,
                  DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP | DT_NOCLIP);
    }
    SelectObject(dc, previous);
}

} // namespace letterfibel::win32
