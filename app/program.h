// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWidget;

// The whole program as main() runs it. beforeShow lets a benchmark watch the window through the
// same start-up path; the program itself passes nothing.
int runLetterfibel(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow = {});
