// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_notice.h"

#include "spoken_feedback.h"

#include <QString>

namespace letterfibel::qt {

SpokenNotice::SpokenNotice(QWidget* window)
    : QWidget(window) {
    // No size, no focus: nothing of it is seen or reached with Tab.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_silencing.setSingleShot(true);
    m_silencing.setInterval(letterfibel::kWordsKeptFor);
    connect(&m_silencing, &QTimer::timeout, this, &SpokenNotice::silence);
}

void SpokenNotice::say(const QString& words) {
    if (words.isEmpty())
        return;
    hide();
    setAccessibleName(words);
    show();
    m_silencing.start();
}

void SpokenNotice::silence() {
    hide();
    setAccessibleName(QString());
}

} // namespace letterfibel::qt
