// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime_services.h"

#include <random>

namespace letterfibel {

// The parts of the runtime that the standard library provides. The timer and the end of the
// program belong to whoever owns the event loop.
class StandardServices : public RuntimeServices {
public:
    void seedFromClock() override;
    double nextRandom() override;

private:
    std::mt19937_64 m_generator;
};

} // namespace letterfibel
