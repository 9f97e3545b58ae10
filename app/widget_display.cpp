// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widget_display.h"

#include "greek_glyphs.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

#include <stdexcept>

using letterfibel::DisplayControl;

QColor colourFromNumber(std::int32_t colour) {
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

template <typename T> T* WidgetDisplay::existing(const QPointer<T>& control) const {
    if (control.isNull())
        throw std::runtime_error("Ein Anzeigefeld des Fensters ist nicht mehr vorhanden");
    return control.data();
}

void WidgetDisplay::setCaption(DisplayControl control, const std::string& text) {
    if (control == DisplayControl::Frame1) {
        existing(m_controls.frame1)->setTitle(QString::fromStdString(text));
        return;
    }
    auto* label = static_cast<QLabel*>(widget(control));
    if (control == DisplayControl::LabelAnzeige) {
        // Its accessible name stays "Angezeigter Buchstabe": announcing the glyph would say
        // the answer.
        label->setText(QString::fromStdU16String(letterfibel::greekFromSymbolText(text)));
        return;
    }
    label->setText(QString::fromStdString(text));
    // Screen readers learn of new feedback and counts from this event.
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void WidgetDisplay::setForeColour(DisplayControl control, std::int32_t colour) {
    setTextColour(widget(control), colourFromNumber(colour));
}

QWidget* WidgetDisplay::widget(DisplayControl control) const {
    switch (control) {
    case DisplayControl::Frame1:
        return existing(m_controls.frame1);
    case DisplayControl::LabelAnzeige:
        return existing(m_controls.labelAnzeige);
    case DisplayControl::LabelAnzeigeText:
        return existing(m_controls.labelAnzeigeText);
    case DisplayControl::LabelRichtig:
        return existing(m_controls.labelRichtig);
    case DisplayControl::LabelFalsch:
        return existing(m_controls.labelFalsch);
    }
    throw std::invalid_argument("unbekanntes Anzeigefeld");
}
