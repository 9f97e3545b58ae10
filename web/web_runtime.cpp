// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_runtime.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <utility>

namespace letterfibel::web {

namespace {

// No control answers any more; an installed app's window closes, a tab cannot be closed by the
// page and says that the program has ended.
EM_JS(void, takeTheWindowOffThePage, (), {
    document.getElementById("stage").hidden = true;
    document.getElementById("ended").hidden = false;
    if (matchMedia("(display-mode: standalone)").matches)
        window.close();
});

} // namespace

void WebRuntime::callBackAfter(Duration delay, std::function<void()> callBack) {
    cancelCallBack();
    m_waiting.keep(std::move(callBack));
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(delay).count();
    m_timeout =
        emscripten_set_timeout(&WebRuntime::timeoutFired, static_cast<double>(milliseconds), this);
}

void WebRuntime::cancelCallBack() {
    if (m_timeout)
        emscripten_clear_timeout(m_timeout);
    m_timeout = 0;
    m_waiting.forget();
}

void WebRuntime::timeoutFired(void* runtime) {
    auto& self = *static_cast<WebRuntime*>(runtime);
    self.m_timeout = 0;
    self.m_waiting.run();
}

void WebRuntime::endProgram() {
    cancelCallBack();
    takeTheWindowOffThePage();
}

} // namespace letterfibel::web
