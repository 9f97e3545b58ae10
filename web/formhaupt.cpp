// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhaupt.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace letterfibel::web {

using letterfibel::ControlDefinition;
using letterfibel::ControlId;
using letterfibel::ControlKind;

namespace {

// The page drew the button, greyed; from now on it works.
EM_JS(void, enableButton, (const char* id),
      { document.getElementById(UTF8ToString(id)).removeAttribute("aria-disabled"); });

EM_JS(void, showReady, (const char* focused), {
    document.getElementById("loading").hidden = true;
    document.getElementById(UTF8ToString(focused)).focus();
});

EM_JS(int, hasFocus, (const char* id), {
    const focused = document.activeElement;
    return focused != null && focused.id == UTF8ToString(id);
});

EM_JS(void, focusElement, (const char* id), { document.getElementById(UTF8ToString(id)).focus(); });

EM_JS(int, errorBoxOpen, (), { return document.getElementById("fehler").open; });

// The character a key types, or for the keys that end a typed word the character they stand
// for; 0 for every other key (Shift, arrows, ...), which leaves the word alone.
char32_t typedCharacter(const char* key) {
    const std::string_view name(key);
    if (name == "Enter")
        return U'\r';
    if (name == "Tab")
        return U'\t';
    if (name == "Escape")
        return U'\u001B';
    const auto* bytes = reinterpret_cast<const unsigned char*>(key);
    const int length = bytes[0] < 0x80 ? 1 : bytes[0] < 0xE0 ? 2 : bytes[0] < 0xF0 ? 3 : 4;
    if (bytes[0] == 0 || name.size() != static_cast<std::size_t>(length))
        return 0;
    char32_t character = length == 1 ? bytes[0] : bytes[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i)
        character = (character << 6) | (bytes[i] & 0x3F);
    return character;
}

EM_JS(void, sayInNotice, (const char* words),
      { document.getElementById("notice").textContent = UTF8ToString(words); });

// Not modal, and one at a time: the window and a running pause go on.
EM_JS(void, showErrorBox, (const char* message), {
    const box = document.getElementById("fehler");
    if (box.open)
        return;
    box.querySelector("p").textContent = UTF8ToString(message);
    box.show();
    box.querySelector("button").focus();
});

} // namespace

FormHaupt::FormHaupt()
    : m_spoken(m_display, [this] { sayWaitingWords(); })
    , m_handlers(m_spoken, m_runtime,
                 [](const std::string& message) { showErrorBox(message.c_str()); }) {
    wireButtons();
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, false,
                                    [](int, const EmscriptenKeyboardEvent* key, void* data) {
                                        return EM_BOOL(static_cast<FormHaupt*>(data)->typed(*key));
                                    });
    m_handlers.Form_Load();
    showReady(letterfibel::controlDefinition(letterfibel::focusAtStart()).name);
}

void FormHaupt::wireButtons() {
    for (const ControlDefinition& control : letterfibel::formHauptControls()) {
        if (control.kind != ControlKind::Button)
            continue;
        Button& button = m_buttons[letterfibel::controlIndex(control.id)];
        button = {this, control.id};
        const std::string selector = std::string("#") + control.name;
        emscripten_set_click_callback(selector.c_str(), &button, false,
                                      [](int, const EmscriptenMouseEvent*, void* data) -> EM_BOOL {
                                          const auto& clicked = *static_cast<const Button*>(data);
                                          clicked.form->m_handlers.click(clicked.id);
                                          return true;
                                      });
        enableButton(control.name);
    }
}

bool FormHaupt::typed(const EmscriptenKeyboardEvent& key) {
    const char32_t character = typedCharacter(key.key);
    // Shortcuts belong to the browser, and while the error box is open the keys belong to it.
    if (key.ctrlKey || key.altKey || key.metaKey || character == 0 || errorBoxOpen())
        return false;
    std::optional<ControlId> focused;
    for (const ControlDefinition& control : letterfibel::formHauptControls())
        if (hasFocus(control.name))
            focused = control.id;
    const letterfibel::ButtonSearch::Step step = m_search.typed(
        character, std::chrono::milliseconds(static_cast<long long>(key.timestamp)), focused);
    if (step.focus)
        focusElement(letterfibel::controlDefinition(*step.focus).name);
    return step.taken;
}

void FormHaupt::sayWaitingWords() {
    // Once the handler that gathered them has returned: one action is said once.
    emscripten_set_timeout(
        [](void* data) {
            auto& self = *static_cast<FormHaupt*>(data);
            const std::string words = self.m_spoken.takeWords();
            if (words.empty())
                return;
            sayInNotice(words.c_str());
            // Afterwards a review of the page must not find an old verdict.
            if (self.m_silencing)
                emscripten_clear_timeout(self.m_silencing);
            self.m_silencing = emscripten_set_timeout(
                [](void* data) {
                    auto& self = *static_cast<FormHaupt*>(data);
                    self.m_silencing = 0;
                    sayInNotice("");
                },
                static_cast<double>(letterfibel::kWordsKeptFor.count()), data);
        },
        0, this);
}

} // namespace letterfibel::web
