// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

int main(int argc, char* argv[]) {
    return letterfibel::qt::runLetterfibel(argc, argv);
}
