// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

class QString;

namespace letterfibel::qt {

// Where the drill's words reach a screen reader: an invisible control with the role of a
// notification, shown with the words as its name, which Orca speaks at once. The new name of
// a label without focus Orca does not speak, and Qt 6.4 sends a description change without
// its text. Once the words have had their time it is hidden and empty again, so that a later
// review of the window finds no old verdict.
class SpokenNotice : public QWidget {
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget* window);

    // Empty words say nothing.
    void say(const QString& words);

private:
    void silence();

    QTimer m_silencing;
};

} // namespace letterfibel::qt
