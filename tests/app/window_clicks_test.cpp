// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buchstaben.h"
#include "window_fixture.h"

#include <QMessageBox>

#include <algorithm>
#include <string>
#include <vector>

using namespace letterfibel::testing;
using namespace std::chrono_literals;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 192, 0);
const QString kLowercaseQuestion =
    QStringLiteral("Welcher griechische Kleinbuchstabe ist sichtbar ?");
const QString kUppercaseQuestion =
    QStringLiteral("Welcher griechische Grossbuchstabe ist sichtbar ?");

using WindowClicks = WindowTest;

TEST_F(WindowClicks, NameClickBeforeAnyDrillIsWrongAgainstNothing) {
    click("CommandAl");
    EXPECT_EQ(text("LabelAnzeigeText"), QString());
    EXPECT_EQ(textColour("LabelAnzeigeText"), kRed);
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
}

TEST_F(WindowClicks, WrongThenRightThenThePauseAndTheNextLetter) {
    runtime.scriptRandoms({forLetter(2)});
    click("CommandKlein");
    EXPECT_EQ(question(), kLowercaseQuestion);
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("β"));

    click("CommandGa");
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Beta"));
    EXPECT_EQ(textColour("LabelAnzeigeText"), kRed);
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));

    runtime.scriptRandoms({forLetter(15)});
    click("CommandBe");
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Beta"));
    runtime.fireTimer();
    EXPECT_EQ(textColour("LabelAnzeigeText"), kGreen);
    EXPECT_EQ(text("LabelAnzeigeText"), QString());
    EXPECT_EQ(text("LabelRichtig"), QStringLiteral("0 richtig"));
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("ϑ"));

    runtime.scriptRandoms({forLetter(3)});
    click("CommandTh");
    EXPECT_EQ(text("LabelRichtig"), QStringLiteral("1 richtig"));
}

// By letter number, from the program's own letter table.
std::vector<std::string> namesByLetter() {
    letterfibel::Buchstaben table;
    table.Fill();
    std::vector<std::string> names;
    for (int letter = 1; letter <= letterfibel::Buchstaben::kDrilled; ++letter)
        names.push_back(table.Cell(letter, letterfibel::Buchstaben::kNameRow));
    return names;
}
const std::vector<std::string> kNameOfLetter = namesByLetter();

TEST_F(WindowClicks, EveryNameButtonIsJudgedByItsOwnName) {
    QList<QPushButton*> buttons;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (std::find(std::begin(kNameOfLetter), std::end(kNameOfLetter),
                      button->text().toStdString()) != std::end(kNameOfLetter))
            buttons.append(button);
    ASSERT_EQ(buttons.size(), 15);
    for (int letter = 1; letter <= 15; ++letter) {
        const QString name = QString::fromStdString(kNameOfLetter[letter - 1]);
        SCOPED_TRACE(kNameOfLetter[letter - 1]);
        runtime.scriptRandoms({forLetter(letter)});
        click("CommandKlein");
        QPushButton* const right = *std::find_if(buttons.begin(), buttons.end(),
                                                 [&](auto* b) { return b->text() == name; });

        // Right at the first try; the pause then shows the same letter again.
        runtime.scriptRandoms({forLetter(letter)});
        QTest::mouseClick(right, Qt::LeftButton);
        EXPECT_EQ(text("LabelRichtig"), QStringLiteral("1 richtig"));
        EXPECT_EQ(textColour("LabelAnzeigeText"), kGreen);
        runtime.fireTimer();

        int wrong = 0;
        for (QPushButton* button : buttons) {
            if (button == right)
                continue;
            QTest::mouseClick(button, Qt::LeftButton);
            ++wrong;
            EXPECT_EQ(text("LabelFalsch"), QStringLiteral("%1 falsch").arg(wrong))
                << button->text().toStdString() << " must be wrong";
            EXPECT_EQ(text("LabelAnzeigeText"), name);
        }
        EXPECT_EQ(wrong, 14);
        EXPECT_EQ(text("LabelRichtig"), QStringLiteral("1 richtig"));
    }
}

TEST_F(WindowClicks, MixedDrillShowsTheQuestionOfTheCaseDrawn) {
    runtime.scriptRandoms({0.75, forLetter(13)});
    click("CommandGemischt");
    EXPECT_EQ(question(), kUppercaseQuestion);
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("Φ"));

    runtime.scriptRandoms({0.25, forLetter(13)});
    click("CommandPh");
    runtime.fireTimer();
    EXPECT_EQ(question(), kLowercaseQuestion);
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("φ"));
}

TEST_F(WindowClicks, DoubleClickOnTheRightNameCountsOnce) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    runtime.scriptRandoms({forLetter(4)});
    click("CommandAl");
    click("CommandAl");
    click("CommandBe");
    runtime.fireTimer();
    EXPECT_EQ(text("LabelRichtig"), QStringLiteral("1 richtig"));
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("0 falsch"));
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("δ"));
    EXPECT_TRUE(runtime.randoms.empty());
}

TEST_F(WindowClicks, ADrillStartedDuringThePauseIsAnsweredAtOnce) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    click("CommandBe");
    runtime.scriptRandoms({forLetter(8), forLetter(4)});
    click("CommandAl");
    click("CommandGross"); // shows Μ
    click("CommandMy");    // right: its own pause draws Δ
    runtime.fireTimer();
    EXPECT_EQ(question(), kUppercaseQuestion);
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("Δ"));
    EXPECT_EQ(text("LabelRichtig"), QStringLiteral("1 richtig"));
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("0 falsch"));
    EXPECT_EQ(text("LabelAnzeigeText"), QString());
    EXPECT_TRUE(runtime.randoms.empty()) << "the replaced pause must not draw again";
}

TEST_F(WindowClicks, EndeDuringThePauseDrawsNoMoreLetters) {
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    click("CommandAl");
    click("CommandEnde");
    EXPECT_TRUE(runtime.ended);
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("α"));
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Alpha"));
}

TEST_F(WindowClicks, ClosingTheWindowDuringThePauseEndsItCleanly) {
    window.show();
    runtime.scriptRandoms({forLetter(1)});
    click("CommandKlein");
    click("CommandAl");
    window.close();
    EXPECT_TRUE(runtime.ended);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowClicks, ClicksOnLabelsAndTheFrameChangeNothing) {
    for (const char* name : {"Label1", "Label2", "Frame1", "LabelAnzeige", "LabelAnzeigeText",
                             "LabelRichtig", "LabelFalsch"})
        QTest::mouseClick(find(name), Qt::LeftButton);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("0 falsch"));
    EXPECT_EQ(question(), QString());
    EXPECT_FALSE(runtime.ended);
}

TEST_F(WindowClicks, AFailingHandlerShowsAMessageAndTheProgramGoesOn) {
    // A broken random source draws letter number 106: the table's bounds check stops it.
    runtime.scriptRandoms({7.0});
    click("CommandGross");
    auto* message = window.findChild<QMessageBox*>(QStringLiteral("FehlerMeldung"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("Index außerhalb des gültigen Bereichs")));
    EXPECT_EQ(question(), kUppercaseQuestion) << "steps before the failure keep their effect";
    EXPECT_EQ(text("LabelAnzeige"), QString());
    EXPECT_TRUE(message->text().startsWith(QStringLiteral("Diese Aktion wurde abgebrochen:\n")));
    EXPECT_FALSE(message->isModal()) << "the window and a running pause go on";
    // The same fault again while the message is open: still one message.
    runtime.scriptRandoms({7.0});
    click("CommandGross");
    EXPECT_EQ(window.findChildren<QMessageBox*>().size(), 1);
    message->close();

    runtime.scriptRandoms({forLetter(2)});
    click("CommandKlein");
    EXPECT_EQ(text("LabelAnzeige"), QStringLiteral("β"));
}

} // namespace
