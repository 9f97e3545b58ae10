// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_notice.h"

#include <QWidget>

namespace {
const char* const kNoticeName = "Ansage";
}

bool isSpokenNotice(const QObject* object) {
    return object->isWidgetType() && object->objectName() == QLatin1String(kNoticeName);
}

SpokenNotice::SpokenNotice(QWidget* window)
    : m_notice(new QWidget(window)) {
    // No size, no focus: nothing of it is seen or reached with Tab.
    m_notice->setObjectName(QLatin1String(kNoticeName));
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->setFocusPolicy(Qt::NoFocus);
    m_notice->hide();
}

void SpokenNotice::say(const QString& words) {
    if (words.isEmpty())
        return;
    m_notice->hide();
    m_notice->setAccessibleName(words);
    m_notice->show();
}
