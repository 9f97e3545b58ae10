// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A plain window with 26 default widgets of the kinds and sizes of Letterfibel's window:
// what any Qt program of that size costs to start.
#include "form_controls.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace letterfibel;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(kClientWidth, kClientHeight);
    QGroupBox* frame = nullptr;
    for (const ControlDefinition& control : formHauptControls()) {
        QWidget* parent = control.inFrame1 ? static_cast<QWidget*>(frame) : &window;
        QWidget* widget = nullptr;
        const QString caption = QString::fromUtf8(control.caption);
        switch (control.kind) {
        case ControlKind::Label:
            widget = new QLabel(caption, parent);
            break;
        case ControlKind::Frame:
            widget = frame = new QGroupBox(caption, parent);
            break;
        case ControlKind::Button:
            widget = new QPushButton(caption, parent);
            break;
        }
        const PixelRect place = pixelsInContainer(control);
        widget->setGeometry(place.left, place.top, place.width, place.height);
    }
    window.show();
    return app.exec();
}
