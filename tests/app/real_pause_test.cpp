// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pause on Qt's real event loop, in real time. CTest runs these with the wall clock frozen
// (libfaketime), so a pause measured on the time of day instead of the monotonic clock would
// never end and fails.
#include "formhaupt.h"
#include "qt_runtime.h"

#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>
#include <deque>

using namespace letterfibel::qt;

using namespace std::chrono_literals;

namespace {

using SteadyClock = std::chrono::steady_clock;

class ScriptedQtRuntime : public QtRuntime {
public:
    double nextRandom() override {
        const double value = randoms.empty() ? 0.0 : randoms.front();
        if (!randoms.empty())
            randoms.pop_front();
        return value;
    }
    void endProgram() override {
        ended = true;
        QtRuntime::endProgram();
    }
    std::deque<double> randoms;
    bool ended = false;
};

double forLetter(int n) {
    return (n - 0.5) / 15.0;
}

class RealPause : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        runtime.randoms = {forLetter(1), forLetter(2)};
        click("CommandKlein");
        ASSERT_EQ(glyph(), QStringLiteral("α"));
    }
    void TearDown() override {
        // Ending the program leaves Qt's quit flag set, and every later event loop of this
        // process would return at once; the application's own loop clears it again.
        if (runtime.ended) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
        }
    }

    void click(const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    QString glyph() const {
        return window.findChild<QLabel*>(QStringLiteral("LabelAnzeige"))->text();
    }
    QString question() const {
        return window.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title();
    }
    // Runs action from the event loop after delay, as a click made during the pause would.
    void at(std::chrono::milliseconds delay, std::function<void()> action) {
        QTimer::singleShot(delay, &window, std::move(action));
    }
    // Runs the event loop until the glyph changes or the program ends, for at most limit; returns
    // how long that took.
    SteadyClock::duration runUntilTheGlyphChanges(std::chrono::milliseconds limit) {
        const auto start = SteadyClock::now();
        const QString before = glyph();
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (glyph() != before)
                loop.quit();
        });
        poll.start(10ms);
        QTimer::singleShot(limit, &loop, &QEventLoop::quit);
        loop.exec();
        return SteadyClock::now() - start;
    }

    ScriptedQtRuntime runtime;
    FormHaupt window{runtime};
};

TEST_F(RealPause, NextLetterAppearsAfterAboutTwoSecondsCostingNoCpu) {
    const std::clock_t cpuBefore = std::clock();
    const auto clicked = SteadyClock::now();
    click("CommandAl");
    EXPECT_LT(SteadyClock::now() - clicked, 500ms) << "the click must return at once";
    EXPECT_EQ(glyph(), QStringLiteral("α"));
    runUntilTheGlyphChanges(6s);
    const auto took = SteadyClock::now() - clicked;
    const double cpuSeconds = static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;

    EXPECT_EQ(glyph(), QStringLiteral("β")) << "the pause did not end on its own";
    // Polling the glyph every 10 ms costs a little; a busy pause would cost two seconds.
    EXPECT_LT(cpuSeconds, 0.3);
    EXPECT_GE(took, 1990ms);
    EXPECT_LE(took, 3500ms);
}

TEST_F(RealPause, AModeClickDuringThePauseIsHandledAtOnceAndTheOldPauseDrawsNothing) {
    runtime.randoms = {forLetter(3), forLetter(4)};
    QString questionAt600ms;
    QString glyphAt600ms;
    at(500ms, [&] { click("CommandGross"); });
    at(600ms, [&] {
        questionAt600ms = question();
        glyphAt600ms = glyph();
    });
    click("CommandAl");
    runUntilTheGlyphChanges(6s);
    runUntilTheGlyphChanges(2500ms);

    EXPECT_EQ(questionAt600ms, QStringLiteral("Welcher griechische Grossbuchstabe ist sichtbar ?"));
    EXPECT_EQ(glyphAt600ms, QStringLiteral("Γ"));
    EXPECT_EQ(glyph(), QStringLiteral("Γ")) << "the new drill's letter stays";
}

TEST_F(RealPause, EndeDuringThePauseEndsItPromptly) {
    at(300ms, [&] { click("CommandEnde"); });
    click("CommandAl");
    const auto took = runUntilTheGlyphChanges(6s);

    EXPECT_TRUE(runtime.ended);
    EXPECT_LT(took, 1500ms) << "the loop must end on Ende";
    // The loop has ended; what is left of the pause would come through Qt's timers anyway.
    QTest::qWait(2500);
    EXPECT_EQ(glyph(), QStringLiteral("α")) << "no letter after Ende";
}

} // namespace
