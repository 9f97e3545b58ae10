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
    const auto bits = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
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

WidgetDisplay::WidgetDisplay(const Controls& controls)
    : m_controls(controls) {
    // The other labels' names follow what they show from here on (setCaption).
    m_controls.labelAnzeige->setAccessibleName(nameFor(DisplayControl::LabelAnzeige, {}));
    m_controls.labelAnzeigeText->setAccessibleName(nameFor(DisplayControl::LabelAnzeigeText, {}));
    m_controls.labelRichtig->setAccessibleName(m_controls.labelRichtig->text());
    m_controls.labelFalsch->setAccessibleName(m_controls.labelFalsch->text());
}

void WidgetDisplay::setCaption(DisplayControl control, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (control == DisplayControl::Frame1) {
        m_controls.frame1->setTitle(shown);
        return;
    }
    auto* label = static_cast<QLabel*>(widget(control));
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

QWidget* WidgetDisplay::widget(DisplayControl control) const {
    QWidget* const byControl[] = {m_controls.frame1, m_controls.labelAnzeige,
                                  m_controls.labelAnzeigeText, m_controls.labelRichtig,
                                  m_controls.labelFalsch};
    return byControl[static_cast<std::size_t>(control)];
}

} // namespace letterfibel::qt
