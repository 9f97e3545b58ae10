// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QObject* parent)
        : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the painted frame is flushed to the screen first.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        }
        return false;
    }
};

} // namespace

void quitAfterFirstPaint(QWidget* widget) {
    widget->installEventFilter(new FirstPaintWatcher(widget));
}
