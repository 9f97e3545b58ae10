// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_controls.h"
#include "window_fixture.h"

#include <QApplication>
#include <string>
#include <vector>

using namespace letterfibel::testing;

namespace {

// The buttons in the program's own tab order; the shared layer's test holds it to the design.
std::vector<std::string> buttonsInTabOrder() {
    std::vector<std::string> names;
    for (const letterfibel::ControlId id : letterfibel::controlsInTabOrder())
        if (letterfibel::controlDefinition(id).kind == letterfibel::ControlKind::Button)
            names.push_back(letterfibel::controlDefinition(id).name);
    return names;
}
const std::vector<std::string> kTabOrder = buttonsInTabOrder();

class WindowKeyboard : public WindowTest {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void focusBetaWithAlphaShown() {
        runtime.scriptRandoms({forLetter(1)});
        click("CommandKlein");
        find("CommandBe")->setFocus();
    }
    std::string focused() const {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName().toStdString() : std::string("(none)");
    }
};

TEST_F(WindowKeyboard, FocusStartsOnEnde) {
    EXPECT_EQ(focused(), "CommandEnde");
}

TEST_F(WindowKeyboard, TabRunsThroughTheButtonsAndWrapsAround) {
    for (std::size_t i = 1; i <= std::size(kTabOrder); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), kTabOrder[i % std::size(kTabOrder)]) << "after Tab number " << i;
    }
}

TEST_F(WindowKeyboard, ShiftTabRunsTheReverseWay) {
    for (std::size_t i = 1; i <= std::size(kTabOrder); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), kTabOrder[(std::size(kTabOrder) - i) % std::size(kTabOrder)])
            << "after Shift+Tab number " << i;
    }
}

TEST_F(WindowKeyboard, SpaceAtStartEndsTheProgram) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(runtime.ended);
}

TEST_F(WindowKeyboard, SpaceOnANameButtonJudgesIt) {
    focusBetaWithAlphaShown();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Alpha"));
}

TEST_F(WindowKeyboard, TypedStartsReachTheirButtonsAndSpacePressesThem) {
    runtime.scriptRandoms({forLetter(1)});
    const auto type = [this](const char* keys) {
        for (const char* key = keys; *key; ++key)
            QTest::keyClick(QApplication::focusWidget(), *key);
        return focused();
    };
    EXPECT_EQ(type("k"), "CommandKlein");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(text("LabelAnzeige"), QString::fromUtf8("α"));
    // From Kleinbuchstaben "e" wraps round to Epsilon, never to Ende.
    EXPECT_EQ(type("e"), "CommandEp");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(runtime.ended);
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
    EXPECT_EQ(type("ph"), "CommandPh");
    EXPECT_EQ(type("x"), "CommandPh");
    // Any key but a letter ends the word typed so far.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(type("A"), "CommandAl");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(text("LabelAnzeigeText"), QStringLiteral("Alpha"));
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("1 falsch"));
}

TEST_F(WindowKeyboard, ReturnDoesNotClickAnything) {
    focusBetaWithAlphaShown();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("0 falsch"));
}

} // namespace
