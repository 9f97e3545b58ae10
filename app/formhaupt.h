// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_controls.h"
#include "quiz.h"
#include "widget_display.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string_view>

class QGroupBox;
class QLabel;
class QPushButton;

namespace letterfibel {
class RuntimeServices;
}

// The one window: 26 controls at fixed places, each button wired to its handler, the handlers
// handing every click to the quiz engine. It keeps no score of its own.
class FormHaupt : public QWidget {
    Q_OBJECT

public:
    explicit FormHaupt(letterfibel::RuntimeServices& runtime, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void CommandKlein_Click();
    void CommandGross_Click();
    void CommandGemischt_Click();
    void CommandEnde_Click();
    void CommandAl_Click();
    void CommandBe_Click();
    void CommandGa_Click();
    void CommandDe_Click();
    void CommandEp_Click();
    void CommandEt_Click();
    void CommandTh_Click();
    void CommandLa_Click();
    void CommandMy_Click();
    void CommandNy_Click();
    void CommandPi_Click();
    void CommandRh_Click();
    void CommandSi_Click();
    void CommandPh_Click();
    void CommandOm_Click();

    void createControls();
    void wireButtons();
    void judge(std::string_view name);
    // Runs one handler; a failure ends it and is shown, and never reaches Qt's event loop.
    template <typename Action> void runHandler(Action&& action) noexcept;
    void showError(const QString& what);
    QPushButton* button(letterfibel::ControlId id) const;
    void makeRoomForLargerState(Qt::WindowState state);
    void returnToFixedSize();

    letterfibel::RuntimeServices& m_runtime;
    // Kept from creation, indexed by ControlId; null where the control is of another kind.
    QGroupBox* m_frame1 = nullptr;
    std::array<QLabel*, letterfibel::kControlCount> m_labels{};
    std::array<QPushButton*, letterfibel::kControlCount> m_buttons{};
    std::unique_ptr<WidgetDisplay> m_display;
    std::unique_ptr<letterfibel::Quiz> m_quiz;
};
