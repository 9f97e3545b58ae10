// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widget_display.h"

#include "form_controls.h"
#include "greek_glyphs.h"
#include "spoken_feedback.h"

#include <QGroupBox>
#include <QLabel>

#include <cstddef>

namespace letterfibel::qt {

using letterfibel::DisplayControl;

QColor colourFromNumber(std::int32_t colour) {
    const letterfibel::Rgb rgb = letterfibel::rgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), colour);
    widget->setPalette(palette);
}

namespace {

QString nameFor(DisplayControl control, const std::string& caption) {
    return QString::fromStdString(letterfibel::accessibleName(control, caption));
}

// Qt tells assistive technology of every set, also of one that changes nothing.
void setAccessibleTexts(QWidget* widget, const QString& name, const QString& description) {
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace

WidgetDisplay::WidgetDisplay(QGroupBox* frame1, const Labels& labels)
    : m_frame1(frame1)
    , m_labels(labels) {
    // The other labels' names follow what they show from here on (setCaption).
    for (const DisplayControl control :
         {DisplayControl::LabelAnzeige, DisplayControl::LabelAnzeigeText})
        label(control)->setAccessibleName(nameFor(control, {}));
    for (const DisplayControl counter : {DisplayControl::LabelRichtig, DisplayControl::LabelFalsch})
        label(counter)->setAccessibleName(label(counter)->text());
}

void WidgetDisplay::setCaption(DisplayControl control, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (control == DisplayControl::Frame1) {
        m_frame1->setTitle(shown);
        return;
    }
    QLabel* label = this->label(control);
    if (control == DisplayControl::LabelAnzeige) {
        // Its accessible name stays: announcing the glyph would say the answer.
        label->setText(QString::fromStdU16String(letterfibel::greekFromSymbolText(text)));
        return;
    }
    label->setText(shown);
    // An explicit name keeps Qt's own event to one per change, and an empty feedback label
    // from taking the frame's question as its name.
    if (control == DisplayControl::LabelAnzeigeText) {
        setAccessibleTexts(label, nameFor(control, text), shown.isEmpty() ? QString() : m_verdict);
        return;
    }
    setAccessibleTexts(label, nameFor(control, text), QString());
}

void WidgetDisplay::showVerdict(letterfibel::Verdict verdict) {
    m_verdict = QString::fromUtf8(letterfibel::verdictWord(verdict));
}

void WidgetDisplay::setForeColour(DisplayControl control, std::int32_t colour) {
    setTextColour(widget(control), colourFromNumber(colour));
}

QLabel* WidgetDisplay::label(DisplayControl control) const {
    return m_labels[letterfibel::controlIndex(letterfibel::controlShowing(control))];
}

QWidget* WidgetDisplay::widget(DisplayControl control) const {
    if (control == DisplayControl::Frame1)
        return m_frame1;
    return label(control);
}

} // namespace letterfibel::qt
