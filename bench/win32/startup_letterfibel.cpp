// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows program's own start-up, ending once its window and all 26 controls in it have
// been painted.
#include "program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return runLetterfibel(instance, showCommand, [](HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
}
