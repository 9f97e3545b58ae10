#pragma once

#include "display.h"

#include <QColor>

class QGroupBox;
class QLabel;
class QWidget;

// The engine's five display controls, as the window's frame and labels.
class WidgetDisplay : public letterfibel::Display {
public:
    struct Controls {
        QGroupBox* frame1;
        QLabel* labelAnzeige;
        QLabel* labelAnzeigeText;
        QLabel* labelRichtig;
        QLabel* labelFalsch;
    };

    explicit WidgetDisplay(const Controls& controls);

    void SetCaption(letterfibel::DisplayControl control, const std::string& text) override;
    void SetForeColor(letterfibel::DisplayControl control, std::int32_t colour) override;

private:
    QWidget* widget(letterfibel::DisplayControl control) const;

    Controls m_controls;
};

// A colour number &H00BBGGRR as a QColor.
QColor colorFromNumber(std::int32_t colour);

// Sets the colour the widget draws its text in.
void setTextColour(QWidget* widget, const QColor& colour);
