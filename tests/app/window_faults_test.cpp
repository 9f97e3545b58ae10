// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QMessageBox>

using namespace letterfibel::testing;
using namespace std::chrono_literals;

namespace {

// A random source that fails (nothing scripted) ends the handler at that step; the user sees a
// message, and the program goes on.
class WindowFaults : public WindowTest {
protected:
    QMessageBox* message() const {
        return window.findChild<QMessageBox*>(QStringLiteral("FehlerMeldung"));
    }
};

TEST_F(WindowFaults, FailureDuringThePauseEndsOnlyItsHandler) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    click("CommandAl");
    click("CommandGross"); // fails as it draws its letter
    ASSERT_NE(message(), nullptr);
    message()->close();
    // The mode click had begun its drill: the old pause draws nothing, and the letter still on
    // display can be answered.
    EXPECT_FALSE(runtime.timerWaiting());
    EXPECT_EQ(question(), QStringLiteral("Welcher griechische Grossbuchstabe ist sichtbar ?"));
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("α"));
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Alpha"));
    click("CommandBe");
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
}

TEST_F(WindowFaults, FailureAfterThePauseLeavesTheNameButtonsWorking) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    click("CommandAl"); // right; drawing the next letter fails after the pause
    runtime.fireTimer();
    ASSERT_NE(message(), nullptr);
    message()->close();

    click("CommandBe");
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Alpha"));
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
}

} // namespace
