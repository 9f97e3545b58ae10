#include "widget_display.h"

#include "symbol_font.h"

#include <QGroupBox>
#include <QLabel>

using letterfibel::DisplayControl;

QColor colorFromNumber(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), colour);
    widget->setPalette(palette);
}

WidgetDisplay::WidgetDisplay(const Controls& controls)
    : m_controls(controls) {}

void WidgetDisplay::SetCaption(DisplayControl control, const std::string& text) {
    switch (control) {
    case DisplayControl::Frame1:
        m_controls.frame1->setTitle(QString::fromStdString(text));
        return;
    case DisplayControl::LabelAnzeige:
        m_controls.labelAnzeige->setText(greekFromSymbolText(text));
        return;
    case DisplayControl::LabelAnzeigeText:
        m_controls.labelAnzeigeText->setText(QString::fromStdString(text));
        return;
    case DisplayControl::LabelRichtig:
        m_controls.labelRichtig->setText(QString::fromStdString(text));
        return;
    case DisplayControl::LabelFalsch:
        m_controls.labelFalsch->setText(QString::fromStdString(text));
        return;
    }
}

void WidgetDisplay::SetForeColor(DisplayControl control, std::int32_t colour) {
    setTextColour(widget(control), colorFromNumber(colour));
}

QWidget* WidgetDisplay::widget(DisplayControl control) const {
    switch (control) {
    case DisplayControl::Frame1:
        return m_controls.frame1;
    case DisplayControl::LabelAnzeige:
        return m_controls.labelAnzeige;
    case DisplayControl::LabelAnzeigeText:
        return m_controls.labelAnzeigeText;
    case DisplayControl::LabelRichtig:
        return m_controls.labelRichtig;
    case DisplayControl::LabelFalsch:
        return m_controls.labelFalsch;
    }
    return m_controls.frame1;
}
