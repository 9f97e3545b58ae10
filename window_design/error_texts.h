// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace letterfibel {

// The words of a failed action, the same in every window. Both show the message in a box that
// is not modal, so that the window and a running pause go on, and show no second box while
// one is open: a fault that comes back with every click would otherwise pile them up.
constexpr const char* kActionAborted = "Diese Aktion wurde abgebrochen:";

} // namespace letterfibel
