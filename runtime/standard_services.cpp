// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard_services.h"

#include <cmath>
#include <limits>

namespace letterfibel {

void StandardServices::seedFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned long long>(ticks),
                       static_cast<unsigned long long>(ticks) >> 32};
    m_generator.seed(seed);
}

double StandardServices::nextRandom() {
    const double value =
        std::generate_canonical<double, std::numeric_limits<double>::digits>(m_generator);
    // generate_canonical may round up to 1.0 (LWG 2524); the drawing relies on never seeing it.
    return value < 1.0 ? value : std::nextafter(1.0, 0.0);
}

} // namespace letterfibel
