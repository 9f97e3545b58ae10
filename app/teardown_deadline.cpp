// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teardown_deadline.h"

namespace letterfibel::qt {

TeardownDeadline::TeardownDeadline(std::chrono::milliseconds limit, std::function<void()> onOverrun)
    : m_watch([this, limit, onOverrun = std::move(onOverrun)] {
        std::unique_lock lock(m_mutex);
        if (!m_finished.wait_for(lock, limit, [this] { return m_done; }))
            onOverrun();
    }) {}

TeardownDeadline::~TeardownDeadline() {
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_finished.notify_one();
    m_watch.join();
}

} // namespace letterfibel::qt
