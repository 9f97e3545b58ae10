// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into the program, makes its teardown hang where Qt closes the X connection, as
// Qt 6.4's Wayland client has been seen to hang at exit.
#include <unistd.h>

extern "C" void xcb_disconnect(void*) {
    for (;;)
        pause();
}
