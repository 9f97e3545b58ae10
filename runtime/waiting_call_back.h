// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>

namespace letterfibel {

// The one call-back that a front end's timer holds for the engine: kept when the timer starts,
// run once when it fires, forgotten when the pause is cancelled or the program ends.
class WaitingCallBack {
public:
    void keep(std::function<void()> callBack) { m_callBack = std::move(callBack); }
    void forget() { m_callBack = nullptr; }
    // One shot: taken before it runs, so that it may keep the next one.
    void run() {
        if (auto callBack = std::exchange(m_callBack, nullptr))
            callBack();
    }

private:
    std::function<void()> m_callBack;
};

} // namespace letterfibel
