// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "display.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <string>

class QGroupBox;
class QLabel;
class QWidget;

namespace letterfibel::qt {

// The engine's five display controls, as the window's frame and labels.
class WidgetDisplay : public letterfibel::Display {
public:
    // Children of the window, which outlive the display.
    struct Controls {
        QGroupBox* frame1;
        QLabel* labelAnzeige;
        QLabel* labelAnzeigeText;
        QLabel* labelRichtig;
        QLabel* labelFalsch;
    };

    explicit WidgetDisplay(const Controls& controls);

    void showVerdict(letterfibel::Verdict verdict) override;
    void setCaption(letterfibel::DisplayControl control, const std::string& text) override;
    void setForeColour(letterfibel::DisplayControl control, std::int32_t colour) override;

private:
    QWidget* widget(letterfibel::DisplayControl control) const;

    Controls m_controls;
    QString m_verdict;
};

// A colour number &H00BBGGRR as a QColor.
QColor colourFromNumber(std::int32_t colour);

// Sets the colour the widget draws its text in.
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace letterfibel::qt
