// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "button_search.h"
#include "form_controls.h"
#include "formhaupt_handlers.h"
#include "spoken_feedback.h"
#include "spoken_notice.h"
#include "widget_display.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

namespace letterfibel {
class RuntimeServices;
}

namespace letterfibel::qt {

// The one window: 26 controls at fixed places, each button's click handed to its handler, the
// handlers handing it to the quiz engine. It keeps no score of its own.
class FormHaupt : public QWidget {
    Q_OBJECT

public:
    explicit FormHaupt(letterfibel::RuntimeServices& runtime, QWidget* parent = nullptr);

protected:
    // Letters typed on a button go to the search for a button first.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    // Places and sizes every control and its font at factor times the design's logical pixels.
    void layOut(double factor);
    // The client area at the factor laid out.
    QSize clientSize() const;
    // Lays out at the largest scale, down to 100 %, at which the window fits its screen.
    void fitToScreen();
    void wireButtons();
    // The rule of every front end for a failed action (error_texts.h).
    void showError(const QString& message);
    void makeRoomForLargerState(Qt::WindowState state);
    void leaveLargerState();
    void fixSize();
    bool withinFixedSize(const QSize& size) const;

    letterfibel::RuntimeServices& m_runtime;
    // Kept from creation, indexed by ControlId; null where the control is of another kind.
    std::array<QWidget*, letterfibel::kControlCount> m_widgets{};
    QGroupBox* m_frame1 = nullptr;
    std::array<QLabel*, letterfibel::kControlCount> m_labels{};
    std::array<QPushButton*, letterfibel::kControlCount> m_buttons{};
    std::unique_ptr<WidgetDisplay> m_display;
    std::unique_ptr<letterfibel::SpokenFeedback> m_spoken;
    SpokenNotice* m_notice;
    std::unique_ptr<letterfibel::FormHauptHandlers> m_handlers;
    letterfibel::ButtonSearch m_search;
    QPointer<QMessageBox> m_errorBox;
    // Set from the request to leave a larger state until the compositor has given back the
    // normal size.
    bool m_awaitingNormalSize = false;
    // Logical pixels per pixel of the design; 0 until the first layout.
    double m_factor = 0;
};

} // namespace letterfibel::qt
