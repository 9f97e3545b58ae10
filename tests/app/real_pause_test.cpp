// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pause on Qt's real event loop, in real time. CTest runs these with the wall clock frozen
// (libfaketime), so a pause measured on the time of day instead of the monotonic clock would
// never end and is caught by the watchdog.
#include "formhaupt.h"
#include "qt_runtime.h"

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
    std::deque<double> randoms;
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
        // Ends a pause that would never end, so that the test fails instead of hanging.
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            watchdogFired = true;
            runtime.endProgram();
        });
        watchdog.start(6s);
    }
    void TearDown() override {
        // Ending the program leaves Qt's quit flag set, and every later event loop of this
        // process would return at once; the application's own loop clears it again.
        if (runtime.hasEnded()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
        }
    }

    void click(const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    // Clicks name and returns how long the click took to be handled, the pause included.
    SteadyClock::duration timedClick(const char* name) {
        const auto start = SteadyClock::now();
        click(name);
        return SteadyClock::now() - start;
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

    ScriptedQtRuntime runtime;
    FormHaupt window{runtime};
    QTimer watchdog;
    bool watchdogFired = false;
};

TEST_F(RealPause, NextLetterAppearsAfterAboutTwoSeconds) {
    QString shownAfterOneSecond;
    at(1s, [&] { shownAfterOneSecond = glyph(); });
    const std::clock_t cpuBefore = std::clock();
    const auto took = timedClick("CommandAl");
    const double cpuSeconds = static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;

    EXPECT_FALSE(watchdogFired) << "the pause did not end on its own";
    EXPECT_LT(cpuSeconds, 0.1) << "the pause must sleep in the event loop, not poll it";
    EXPECT_GE(took, 1900ms);
    EXPECT_LE(took, 3s);
    EXPECT_EQ(shownAfterOneSecond, QStringLiteral("α")) << "events run during the pause";
    EXPECT_EQ(glyph(), QStringLiteral("β"));
}

TEST_F(RealPause, AModeClickDuringThePauseIsHandledAtOnce) {
    runtime.randoms = {forLetter(3)};
    QString questionAt600ms;
    QString glyphAt600ms;
    at(500ms, [&] { click("CommandGross"); });
    at(600ms, [&] {
        questionAt600ms = question();
        glyphAt600ms = glyph();
    });
    timedClick("CommandAl");

    EXPECT_FALSE(watchdogFired);
    EXPECT_EQ(questionAt600ms, QStringLiteral("Welcher griechische Grossbuchstabe ist sichtbar ?"));
    EXPECT_EQ(glyphAt600ms, QStringLiteral("Γ"));
    EXPECT_EQ(glyph(), QStringLiteral("Γ")) << "the new drill's letter stays";
}

TEST_F(RealPause, EndeDuringThePauseEndsItPromptly) {
    at(300ms, [&] { click("CommandEnde"); });
    const auto took = timedClick("CommandAl");

    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_FALSE(watchdogFired);
    EXPECT_LT(took, 1s) << "the pause must not run on after Ende";
    EXPECT_EQ(glyph(), QStringLiteral("α")) << "no letter after Ende";
}

} // namespace
