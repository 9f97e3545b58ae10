// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QFontInfo>
#include <QFontMetrics>

using namespace letterfibel::testing;

namespace {

struct Expected {
    const char* name;
    const char* className;
    const char* parent;
    QRect geometry; // device-independent pixels
    int fontPixels;
    bool bold;
    Qt::Alignment alignment;
    const char* caption;
};

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;

QRect nameButton(int column, int row) {
    return {40 + 136 * column, 232 + 48 * row, 105, 25};
}

const Expected kExpected[] = {
    {"Label1", "QLabel", "FormHaupt", {48, 48, 433, 49}, 27, false, L, "Letterfibel"},
    {"Label2", "QLabel", "FormHaupt", {552, 56, 129, 25}, 13, false, R, "Griechisch lesen"},
    {"Frame1", "QGroupBox", "FormHaupt", {40, 120, 649, 89}, 12, false, L, ""},
    {"LabelAnzeige", "QLabel", "Frame1", {152, 24, 73, 49}, 37, false, C, ""},
    {"LabelAnzeigeText", "QLabel", "Frame1", {280, 32, 241, 49}, 35, false, L, ""},
    {"LabelRichtig", "QLabel", "Frame1", {512, 24, 97, 25}, 16, true, R, "0 richtig"},
    {"LabelFalsch", "QLabel", "Frame1", {504, 56, 105, 25}, 16, true, R, "0 falsch"},
    {"CommandAl", "QPushButton", "FormHaupt", nameButton(0, 0), 13, false, C, "Alpha"},
    {"CommandBe", "QPushButton", "FormHaupt", nameButton(1, 0), 13, false, C, "Beta"},
    {"CommandGa", "QPushButton", "FormHaupt", nameButton(2, 0), 13, false, C, "Gamma"},
    {"CommandDe", "QPushButton", "FormHaupt", nameButton(3, 0), 13, false, C, "Delta"},
    {"CommandEp", "QPushButton", "FormHaupt", nameButton(4, 0), 13, false, C, "Epsilon"},
    {"CommandEt", "QPushButton", "FormHaupt", nameButton(0, 1), 13, false, C, "Eta"},
    {"CommandTh", "QPushButton", "FormHaupt", nameButton(1, 1), 13, false, C, "Theta"},
    {"CommandLa", "QPushButton", "FormHaupt", nameButton(2, 1), 13, false, C, "Lambda"},
    {"CommandMy", "QPushButton", "FormHaupt", nameButton(3, 1), 13, false, C, "My"},
    {"CommandNy", "QPushButton", "FormHaupt", nameButton(4, 1), 13, false, C, "Ny"},
    {"CommandPi", "QPushButton", "FormHaupt", nameButton(0, 2), 13, false, C, "Pi"},
    {"CommandRh", "QPushButton", "FormHaupt", nameButton(1, 2), 13, false, C, "Rho"},
    {"CommandSi", "QPushButton", "FormHaupt", nameButton(2, 2), 13, false, C, "Sigma"},
    {"CommandPh", "QPushButton", "FormHaupt", nameButton(3, 2), 13, false, C, "Phi"},
    {"CommandOm", "QPushButton", "FormHaupt", nameButton(4, 2), 13, false, C, "Omega"},
    {"CommandKlein",
     "QPushButton",
     "FormHaupt",
     {40, 416, 185, 33},
     13,
     true,
     C,
     "Kleinbuchstaben"},
    {"CommandGross",
     "QPushButton",
     "FormHaupt",
     {272, 416, 185, 33},
     13,
     true,
     C,
     "Großbuchstaben"},
    {"CommandGemischt", "QPushButton", "FormHaupt", {504, 416, 185, 33}, 13, true, C, "Gemischt"},
    {"CommandEnde", "QPushButton", "FormHaupt", {272, 496, 185, 33}, 11, false, C, "Ende"},
};

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

using WindowLayout = WindowTest;

TEST_F(WindowLayout, EveryControlHasItsKindPlaceSizeFontAndCaption) {
    EXPECT_EQ(window.findChildren<QLabel*>().size() + window.findChildren<QGroupBox*>().size() +
                  window.findChildren<QPushButton*>().size(),
              26);
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        const QWidget* widget = find(e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), e.className);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromUtf8(e.parent));
        EXPECT_EQ(widget->geometry(), e.geometry);
        EXPECT_EQ(widget->font().pixelSize(), e.fontPixels);
        EXPECT_EQ(widget->font().bold(), e.bold);
        EXPECT_FALSE(widget->font().italic() || widget->font().underline() ||
                     widget->font().strikeOut());
        // Arial or a metric twin: what is drawn has the size and weight asked for.
        const QFontInfo resolved(widget->font());
        EXPECT_EQ(resolved.pixelSize(), e.fontPixels);
        EXPECT_EQ(resolved.bold(), e.bold);
        EXPECT_EQ(captionOf(widget), QString::fromUtf8(e.caption));
        if (auto* label = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, e.alignment);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_TRUE(label->autoFillBackground()) << "labels are opaque";
            EXPECT_EQ(label->palette().color(label->backgroundRole()),
                      label->palette().color(QPalette::Button));
        }
    }
}

TEST_F(WindowLayout, WindowHasItsTitleAndAFixedClientArea) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Letterfibel"));
    EXPECT_EQ(window.size(), QSize(741, 592));
    EXPECT_EQ(window.minimumSize(), QSize(741, 592));
    EXPECT_EQ(window.maximumSize(), QSize(741, 592));
    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(64, 64)))
        << "the window carries the program's icon";
}

TEST_F(WindowLayout, CountersAndFeedbackHaveTheirColours) {
    EXPECT_EQ(textColour("LabelRichtig"), QColor(0, 0xC0, 0));
    EXPECT_EQ(textColour("LabelFalsch"), QColor(0xFF, 0, 0));
    EXPECT_EQ(textColour("LabelAnzeigeText"), QColor(0, 0xFF, 0));
    EXPECT_EQ(textColour("Label1"), window.palette().color(QPalette::ButtonText));
    EXPECT_EQ(textColour("CommandAl"), window.palette().color(QPalette::ButtonText));
}

TEST_F(WindowLayout, CountersAreDrawnInFrontOfTheOverlappingFeedback) {
    const QObjectList& order = find("Frame1")->children();
    const auto at = [&](const char* name) { return order.indexOf(find(name)); };
    EXPECT_GT(at("LabelRichtig"), at("LabelAnzeigeText"));
    EXPECT_GT(at("LabelFalsch"), at("LabelAnzeigeText"));
}

TEST_F(WindowLayout, FirstViewShowsNoLetterAndNoQuestion) {
    EXPECT_EQ(question(), QString());
    EXPECT_EQ(text("LabelAnzeige"), QString());
    EXPECT_EQ(text("LabelAnzeigeText"), QString());
    EXPECT_EQ(text("LabelRichtig"), QStringLiteral("0 richtig"));
    EXPECT_EQ(text("LabelFalsch"), QStringLiteral("0 falsch"));
    EXPECT_FALSE(text("Label2").isEmpty());
    EXPECT_EQ(runtime.seedCalls, 1) << "loading seeds the random sequence once";
}

TEST_F(WindowLayout, EveryTextFitsItsBoxOnOneLine) {
    runtime.scriptRandoms({forLetter(5)});
    click("CommandGross");
    QLabel* feedback = find<QLabel>("LabelAnzeigeText");
    for (const Expected& e : kExpected) {
        const QWidget* widget = find(e.name);
        const QFontMetrics metrics(widget->font());
        QStringList texts{captionOf(widget)};
        if (widget == feedback)
            texts = {QStringLiteral("Epsilon"), QStringLiteral("Lambda"), QStringLiteral("Omega")};
        for (const QString& shown : texts) {
            EXPECT_LE(metrics.horizontalAdvance(shown), widget->width())
                << e.name << ": " << shown.toStdString();
            EXPECT_LE(metrics.height(), widget->height()) << e.name;
        }
    }
}

// Each stored glyph character shows as the Greek letter the Symbol font draws for it.
TEST_F(WindowLayout, EveryGlyphIsShownAsItsGreekLetter) {
    const char16_t lowercase[] = u"αβγδεηλμνπρσφωϑ";
    const char16_t uppercase[] = u"ΑΒΓΔΕΗΛΜΝΠΡΣΦΩΘ";
    QLabel* glyph = find<QLabel>("LabelAnzeige");
    const QFontMetrics metrics(glyph->font());
    for (int letter = 1; letter <= 15; ++letter) {
        runtime.scriptRandoms({forLetter(letter)});
        click("CommandKlein");
        const QChar expectedLower(lowercase[letter - 1]);
        EXPECT_EQ(glyph->text(), QString(expectedLower)) << "letter " << letter;
        EXPECT_TRUE(metrics.inFontUcs4(expectedLower.unicode())) << "letter " << letter;

        runtime.scriptRandoms({forLetter(letter)});
        click("CommandGross");
        const QChar expectedUpper(uppercase[letter - 1]);
        EXPECT_EQ(glyph->text(), QString(expectedUpper)) << "letter " << letter;
        EXPECT_TRUE(metrics.inFontUcs4(expectedUpper.unicode())) << "letter " << letter;
    }
}

} // namespace
