// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QColor;
class QWidget;

// Puts what the drill shows into words for a screen reader: the question when it is set, and
// after a click the verdict with the name shown and the counter that changed. The words of one
// action are gathered and said once the event loop runs again (for a right answer: as its
// pause begins). They reach the screen reader as a notification: an invisible control of that
// role that is shown with the words as its name, which Orca speaks at once; the new name of a
// label without focus it does not, and Qt 6.4 sends a description change without the text.
class SpokenFeedback : public QObject {
    Q_OBJECT

public:
    explicit SpokenFeedback(QWidget* window);

    void questionShown(const QString& question);
    void feedbackColourShown(const QColor& colour);
    void feedbackShown(const QString& name);
    void counterShown(const QString& previous, const QString& now);

private:
    void schedule();
    void speak();

    QWidget* m_notice;
    QString m_question;
    QString m_verdict;
    QString m_name;
    QStringList m_counters;
    bool m_scheduled = false;
};

// Whether the widget is the notice that carries the words, for the accessibility factory.
bool isSpokenNotice(const QObject* object);

// "Richtig" for the green of a right answer, "Falsch" for the red of a wrong one, else empty.
QString verdictOfColour(const QColor& colour);
