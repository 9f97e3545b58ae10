// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QMessageBox>

using namespace letterfibel::testing;
using namespace std::chrono_literals;

namespace {

// A display control that has gone makes every set on it fail: the handler ends at that step,
// the user sees a message, and the program goes on.
class WindowFaults : public WindowTest {
protected:
    void removeControl(const char* name) { delete find(name); }
    QMessageBox* message() const {
        return window.findChild<QMessageBox*>(QStringLiteral("FehlerMeldung"));
    }
};

TEST_F(WindowFaults, ModeHandlerStopsAtTheFailingSet) {
    removeControl("LabelFalsch");
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains(QStringLiteral("nicht mehr vorhanden")));
    EXPECT_EQ(question(), QStringLiteral("Welcher griechische Kleinbuchstabe ist sichtbar ?"));
    EXPECT_EQ(text("LabelAnzeige"), QString()) << "no letter is drawn after the failing step";
    EXPECT_EQ(runtime.randoms.size(), 1u);
}

TEST_F(WindowFaults, NameHandlerKeepsTheCountItReachedBeforeTheFailure) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    removeControl("LabelFalsch");
    click("CommandBe"); // wrong: Falsch rises, then showing it fails
    ASSERT_NE(message(), nullptr);
    message()->close();
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Alpha"));

    // The drill goes on: the right answer still counts nothing after the miss.
    runtime.scriptRandoms({forLetter(2)});
    click("CommandAl");
    EXPECT_EQ(text("LabelRichtig"), QStringLiteral("0 richtig"));
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("β"));
}

TEST_F(WindowFaults, FailureInsideThePauseEndsOnlyTheNestedHandler) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    runtime.at(500ms, [&] {
        removeControl("LabelRichtig");
        click("CommandGross"); // fails at the counter caption
    });
    click("CommandAl");
    ASSERT_NE(message(), nullptr);
    message()->close();
    // The mode click had begun its drill: the old pause draws nothing, and the letter still on
    // display can be answered.
    EXPECT_EQ(question(), QStringLiteral("Welcher griechische Grossbuchstabe ist sichtbar ?"));
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("α"));
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Alpha"));
    click("CommandBe");
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
}

TEST_F(WindowFaults, FailureAfterThePauseLeavesTheNameButtonsWorking) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    runtime.at(500ms, [&] { removeControl("LabelAnzeige"); });
    runtime.scriptRandoms({forLetter(5)});
    click("CommandAl");
    ASSERT_NE(message(), nullptr);
    message()->close();

    click("CommandBe"); // letter 5 is Epsilon
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Epsilon"));
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
}

} // namespace
