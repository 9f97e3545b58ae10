// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QAccessible>

using namespace letterfibel::testing;

namespace {

class WindowAccessibility : public WindowTest {
protected:
    QAccessibleInterface* accessible(const char* name) const {
        return QAccessible::queryAccessibleInterface(find(name));
    }
};

TEST_F(WindowAccessibility, EveryButtonIsNamedByItsCaptionAndCanBePressed) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), button->text());
        EXPECT_EQ(iface->role(), QAccessible::Button);
        ASSERT_NE(iface->actionInterface(), nullptr);
        EXPECT_TRUE(iface->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
}

TEST_F(WindowAccessibility, PressingThroughTheAccessibilityInterfaceClicks) {
    runtime.scriptRandoms({forLetter(2)});
    accessible("CommandKlein")
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    // The press animates the button before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !text("LabelAnzeige").isEmpty(); }, 2000));
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("β"));
}

TEST_F(WindowAccessibility, WindowHasANameAndAGermanDescription) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window);
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
    runtime.scriptRandoms({forLetter(2)});
    click("CommandKlein");
    EXPECT_EQ(name("LabelAnzeigeText"), QStringLiteral("Rückmeldung"))
        << "an empty feedback must not take the frame's question as its name";
    click("CommandGa");
    EXPECT_EQ(name("LabelAnzeigeText"), QStringLiteral("Beta"));
    EXPECT_EQ(verdict(), QStringLiteral("Falsch"));
    EXPECT_EQ(name("LabelFalsch"), QStringLiteral("1 falsch"));
    EXPECT_EQ(name("LabelRichtig"), QStringLiteral("0 richtig"));

    QString verdictDuringPause;
    runtime.at(std::chrono::seconds(1), [&] { verdictDuringPause = verdict(); });
    runtime.scriptRandoms({forLetter(3)});
    click("CommandBe");
    EXPECT_EQ(verdictDuringPause, QStringLiteral("Richtig")) << "same name, now right";
    EXPECT_EQ(name("LabelAnzeigeText"), QStringLiteral("Rückmeldung"));
}

} // namespace
