// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <functional>

// The whole program as wWinMain runs it. afterFirstPaint lets a benchmark watch the window
// through the same start-up path; the program itself passes nothing.
int runLetterfibel(HINSTANCE instance, int showCommand,
                   const std::function<void(HWND)>& afterFirstPaint = {});
