// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standard_services.h"

namespace letterfibel::qt {

// The runtime services of a running Qt program: the pump is Qt's event loop, and the end of the
// program ends every loop, the nested one of a pause included.
class QtRuntime : public letterfibel::StandardServices {
public:
    void pumpEvents(Clock::time_point deadline) override;
    void endProgram() override;
    bool hasEnded() const override { return m_ended; }

private:
    bool m_ended = false;
};

} // namespace letterfibel::qt
