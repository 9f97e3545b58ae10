// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace letterfibel::qt {

// What assistive technology learns of the program as a whole: the application by its name and
// a description (not the path of the binary), the window as a frame with its title, as any
// desktop window is, rather than as a bare widget ("filler").
void installAccessibleRoles();

} // namespace letterfibel::qt
