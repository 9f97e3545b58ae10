// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "button_search.h"
#include "form_controls.h"
#include "formhaupt_handlers.h"
#include "page_display.h"
#include "spoken_feedback.h"
#include "web_runtime.h"

#include <emscripten/html5.h>

#include <array>
#include <memory>

namespace letterfibel::web {

// The one window as a part of the page: the 26 elements the page drew from the shared control
// table brought to life, each button's click handed to its handler, the handlers handing it to
// the quiz engine. It keeps no score of its own.
class FormHaupt {
public:
    FormHaupt();
    FormHaupt(const FormHaupt&) = delete;
    FormHaupt& operator=(const FormHaupt&) = delete;

private:
    struct Button {
        FormHaupt* form;
        letterfibel::ControlId id;
    };

    void wireButtons();
    // A letter typed anywhere on the page moves the focus to the button it begins; true when the
    // key was taken, so that the browser does nothing else with it.
    bool typed(const EmscriptenKeyboardEvent& key);
    void sayWaitingWords();

    WebRuntime m_runtime;
    PageDisplay m_display;
    letterfibel::SpokenFeedback m_spoken;
    letterfibel::FormHauptHandlers m_handlers;
    letterfibel::ButtonSearch m_search;
    // What each button's click callback is handed.
    std::array<Button, letterfibel::kControlCount> m_buttons{};
    int m_silencing = 0;
};

} // namespace letterfibel::web
