// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QObject;
class QWidget;

// Where the drill's words reach a screen reader: an invisible control with the role of a
// notification, shown with the words as its name, which Orca speaks at once. The new name of
// a label without focus Orca does not speak, and Qt 6.4 sends a description change without
// its text.
class SpokenNotice {
public:
    explicit SpokenNotice(QWidget* window);

    void say(const QString& words);

private:
    QWidget* m_notice;
};

// Whether the widget is the notice, for the accessibility factory.
bool isSpokenNotice(const QObject* object);
