// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"
#include "form_controls.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <string>

class QGroupBox;
class QLabel;
class QWidget;

namespace letterfibel::qt {

// The engine's five display controls, as the window's frame and labels.
class WidgetDisplay : public letterfibel::Display {
public:
    // The window's frame and its labels by ControlId, children of the window, which outlive
    // the display.
    using Labels = std::array<QLabel*, letterfibel::kControlCount>;
    WidgetDisplay(QGroupBox* frame1, const Labels& labels);

    void showVerdict(letterfibel::Verdict verdict) override;
    void setCaption(letterfibel::DisplayControl control, const std::string& text) override;
    void setForeColour(letterfibel::DisplayControl control, std::int32_t colour) override;

private:
    QWidget* widget(letterfibel::DisplayControl control) const;
    QLabel* label(letterfibel::DisplayControl control) const;

    QGroupBox* m_frame1;
    const Labels& m_labels;
    QString m_verdict;
};

// A colour number &H00BBGGRR as a QColor.
QColor colourFromNumber(std::int32_t colour);

// Sets the colour the widget draws its text in.
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace letterfibel::qt
