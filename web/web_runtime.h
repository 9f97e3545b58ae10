// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standard_services.h"
#include "waiting_call_back.h"

#include <functional>

namespace letterfibel::web {

// The runtime services of the page: the pause is a timeout of the browser's event loop, and the
// end of the program takes the window off the page.
class WebRuntime : public letterfibel::StandardServices {
public:
    void callBackAfter(Duration delay, std::function<void()> callBack) override;
    void cancelCallBack() override;
    void endProgram() override;

private:
    static void timeoutFired(void* runtime);

    int m_timeout = 0;
    letterfibel::WaitingCallBack m_waiting;
};

} // namespace letterfibel::web
