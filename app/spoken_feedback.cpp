// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_feedback.h"

#include "quiz.h"
#include "text.h"
#include "widget_display.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

QString verdictOfColour(const QColor& colour) {
    using letterfibel::Quiz;
    if (colour == colourFromNumber(letterfibel::textToWholeNumber(Quiz::kGreen)))
        return QStringLiteral("Richtig");
    if (colour == colourFromNumber(letterfibel::textToWholeNumber(Quiz::kRed)))
        return QStringLiteral("Falsch");
    return {};
}

namespace {
const char* const kNoticeName = "Ansage";
}

bool isSpokenNotice(const QObject* object) {
    return object->isWidgetType() && object->objectName() == QLatin1String(kNoticeName);
}

SpokenFeedback::SpokenFeedback(QWidget* window)
    : QObject(window)
    , m_notice(new QWidget(window)) {
    // No size, no focus: nothing of it is seen or reached with Tab.
    m_notice->setObjectName(QLatin1String(kNoticeName));
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->setFocusPolicy(Qt::NoFocus);
    m_notice->hide();
}

void SpokenFeedback::questionShown(const QString& question) {
    m_question = question;
    schedule();
}

void SpokenFeedback::feedbackColourShown(const QColor& colour) {
    m_verdict = verdictOfColour(colour);
    m_name.clear();
    m_counters.clear();
    schedule();
}

void SpokenFeedback::feedbackShown(const QString& name) {
    // The emptied feedback after a pause says nothing new.
    if (!name.isEmpty())
        m_name = name;
}

void SpokenFeedback::counterShown(const QString& previous, const QString& now) {
    if (!m_verdict.isEmpty() && now != previous)
        m_counters.append(now);
}

void SpokenFeedback::schedule() {
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &SpokenFeedback::speak);
}

void SpokenFeedback::speak() {
    m_scheduled = false;
    QStringList parts;
    if (!m_verdict.isEmpty())
        parts.append(m_name.isEmpty() ? m_verdict : m_verdict + QStringLiteral(": ") + m_name);
    parts.append(m_counters);
    if (!m_question.isEmpty())
        parts.append(m_question);
    m_verdict.clear();
    m_name.clear();
    m_counters.clear();
    m_question.clear();

    if (parts.isEmpty())
        return;
    m_notice->hide();
    m_notice->setAccessibleName(parts.join(QStringLiteral(". ")));
    m_notice->show();
}
