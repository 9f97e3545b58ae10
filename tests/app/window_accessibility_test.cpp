// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"
#include "window_fixture.h"

#include <QAccessible>

using namespace letterfibel::testing;

namespace {

class WindowAccessibility : public WindowTest {
protected:
    static void SetUpTestSuite() { letterfibel::qt::installAccessibleRoles(); }

    QAccessibleInterface* accessible(const char* name) const {
        return QAccessible::queryAccessibleInterface(find(name));
    }
};

TEST_F(WindowAccessibility, WindowIsAWindowWithANameAndAGermanDescription) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(iface->role(), QAccessible::Window);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Letterfibel"));
    EXPECT_EQ(iface->text(QAccessible::Description),
              QStringLiteral("Übung zum Lesen der griechischen Buchstaben"));
}

TEST_F(WindowAccessibility, LetterDisplayIsNamedWithoutGivingTheAnswerAway) {
    runtime.scriptRandoms({forLetter(2)});
    click("CommandKlein");
    const QString name = accessible("LabelAnzeige")->text(QAccessible::Name);
    EXPECT_EQ(name, QStringLiteral("Angezeigter Buchstabe"));
    EXPECT_FALSE(name.contains(QStringLiteral("Beta")));
}

TEST_F(WindowAccessibility, CountersAndFeedbackExposeTheirTextAndTheVerdictInWords) {
    const auto name = [this](const char* label) {
        return accessible(label)->text(QAccessible::Name);
    };
    const auto verdict = [this] {
        return accessible("LabelAnzeigeText")->text(QAccessible::Description);
    };
    // The words wait in the notice for a screen reader, then leave nothing stale behind.
    window.show();
    QAccessibleInterface* notice =
        QAccessible::queryAccessibleInterface(window.findChild<letterfibel::qt::SpokenNotice*>());
    ASSERT_EQ(notice->role(), QAccessible::Notification);
    const auto says = [&](const char* words) {
        return QTest::qWaitFor(
            [&] { return notice->text(QAccessible::Name) == QString::fromUtf8(words); }, 1000);
    };
    runtime.scriptRandoms({forLetter(2)});
    click("CommandKlein");
    EXPECT_TRUE(says("Welcher griechische Kleinbuchstabe ist sichtbar ?"));
    EXPECT_EQ(name("LabelAnzeigeText"), QStringLiteral("Rückmeldung"))
        << "an empty feedback must not take the frame's question as its name";
    click("CommandGa");
    EXPECT_TRUE(says("Falsch: Beta. 1 falsch"));
    EXPECT_FALSE(notice->state().invisible);
    EXPECT_TRUE(QTest::qWaitFor([&] { return notice->text(QAccessible::Name).isEmpty(); }, 4000));
    EXPECT_TRUE(notice->state().invisible);
    EXPECT_EQ(name("LabelAnzeigeText"), QStringLiteral("Beta"));
    EXPECT_EQ(verdict(), QStringLiteral("Falsch"));
    EXPECT_EQ(name("LabelFalsch"), QStringLiteral("1 falsch"));
    EXPECT_EQ(name("LabelRichtig"), QStringLiteral("0 richtig"));

    runtime.scriptRandoms({forLetter(3)});
    click("CommandBe");
    EXPECT_EQ(verdict(), QStringLiteral("Richtig")) << "same name, now right";
    runtime.fireTimer();
    EXPECT_EQ(name("LabelAnzeigeText"), QStringLiteral("Rückmeldung"));
}

} // namespace
