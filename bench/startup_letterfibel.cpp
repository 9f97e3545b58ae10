// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up, exactly as main() runs it, ending after the first painted frame.
#include "first_paint.h"
#include "program.h"

int main(int argc, char* argv[]) {
    return runLetterfibel(argc, argv, [](QWidget& window) { quitAfterFirstPaint(&window); });
}
