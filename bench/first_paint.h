// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Ends the application once the widget has painted its first frame.
void quitAfterFirstPaint(QWidget* widget);
