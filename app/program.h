// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace letterfibel::qt {

// The whole program as main() runs it.
int runLetterfibel(int argc, char* argv[]);

} // namespace letterfibel::qt
