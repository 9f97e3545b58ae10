// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace letterfibel::qt {

// Bounds the time the program takes to tear itself down once its event loop has ended: unless it
// is destroyed within the limit, it calls onOverrun on a thread of its own, which is meant to end
// the process. Qt 6.4's Wayland client has been seen to wait forever for its event thread while
// QApplication shuts down; a learner who chose "Ende" must not be left with a process that never
// ends.
class TeardownDeadline {
public:
    TeardownDeadline(std::chrono::milliseconds limit, std::function<void()> onOverrun);
    ~TeardownDeadline();

    TeardownDeadline(const TeardownDeadline&) = delete;
    TeardownDeadline& operator=(const TeardownDeadline&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::thread m_watch;
};

} // namespace letterfibel::qt
