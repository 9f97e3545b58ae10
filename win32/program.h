// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace letterfibel::win32 {

// The whole program as wWinMain runs it.
int runLetterfibel(HINSTANCE instance, int showCommand);

} // namespace letterfibel::win32
