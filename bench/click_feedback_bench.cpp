// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From a click on a name button to the feedback painted, in process on the offscreen platform:
// the handler, the engine, the label's text and colour, and the label's repaint.
#include "formhaupt.h"
#include "qt_runtime.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace letterfibel::qt;

namespace {

class PaintCounter : public QObject {
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtRuntime runtime;
    FormHaupt window(runtime);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    // The wrong-answer counter changes with every wrong click; its repaint ends the sample.
    auto* falsch = window.findChild<QLabel*>(QStringLiteral("LabelFalsch"));
    auto* counter = new PaintCounter(falsch);
    falsch->installEventFilter(counter);
    // Wrong clicks only, alternating two names, so that no pause starts.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CommandKlein")),
                      Qt::LeftButton);
    const auto* glyph = window.findChild<QLabel*>(QStringLiteral("LabelAnzeige"));
    const QString firstGlyph = glyph->text();
    // Two wrong names for any letter: Alpha is wrong unless alpha shows, Beta then.
    const bool alphaShows = firstGlyph == QStringLiteral("α");
    auto* wrongA = window.findChild<QPushButton*>(alphaShows ? QStringLiteral("CommandGa")
                                                             : QStringLiteral("CommandAl"));
    auto* wrongB = window.findChild<QPushButton*>(QStringLiteral("CommandDe"));
    if (firstGlyph == QStringLiteral("δ"))
        wrongB = window.findChild<QPushButton*>(QStringLiteral("CommandBe"));

    const int samples = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i) {
        QPushButton* button = i % 2 ? wrongA : wrongB;
        const int paintsBefore = counter->paints;
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(button, Qt::LeftButton);
        while (counter->paints == paintsBefore)
            QCoreApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * (micros.size() - 1))];
    };
    std::printf(
        "click to painted feedback over %d clicks: median %.1f us, p99 %.1f us, max %.1f us\n",
        samples, at(0.5), at(0.99), micros.back());
    return 0;
}
