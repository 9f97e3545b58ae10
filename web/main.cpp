// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhaupt.h"

int main() {
    // The window lives as long as the page: the browser's event loop goes on after main returns,
    // and the page frees everything at once when it goes.
    new letterfibel::web::FormHaupt();
    return 0;
}
