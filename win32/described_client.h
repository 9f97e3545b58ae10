// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace letterfibel::win32 {

// The answer to WM_GETOBJECT for the window's client area: the system's own accessible object,
// which also tells the program's description, as a screen reader reads it out when the window
// comes to the front. Zero when it could not be made; the window then answers as any other.
// Wrapped rather than annotated through IAccPropServices, which Wine lacks, so that the
// description reaches a screen reader there too.
LRESULT describedClientObject(HWND window, WPARAM flags);

} // namespace letterfibel::win32
