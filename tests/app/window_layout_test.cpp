// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_controls.h"
#include "window_fixture.h"

#include <QFontInfo>
#include <QFontMetrics>

using namespace letterfibel::testing;

namespace {

// The widget class and alignment of each kind and alignment of the table, in their enums' order.
const char* const kClassOf[] = {"QLabel", "QGroupBox", "QPushButton"};
const Qt::Alignment kAlignmentOf[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

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

// Each widget as the program's own table has it; the table's values are checked once, in the
// shared layer's tests.
TEST_F(WindowLayout, EveryControlHasItsKindPlaceSizeFontAndCaption) {
    EXPECT_EQ(window.findChildren<QLabel*>().size() + window.findChildren<QGroupBox*>().size() +
                  window.findChildren<QPushButton*>().size(),
              26);
    for (const letterfibel::ControlDefinition& e : letterfibel::formHauptControls()) {
        SCOPED_TRACE(e.name);
        const QWidget* widget = find(e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), kClassOf[static_cast<int>(e.kind)]);
        EXPECT_EQ(widget->parentWidget()->objectName(),
                  QString::fromUtf8(e.inFrame1 ? "Frame1" : "FormHaupt"));
        const letterfibel::PixelRect place = letterfibel::pixelsInContainer(e);
        EXPECT_EQ(widget->geometry(), QRect(place.left, place.top, place.width, place.height));
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
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                      kAlignmentOf[static_cast<int>(e.alignment)]);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_TRUE(label->autoFillBackground()) << "labels are opaque";
            EXPECT_EQ(label->palette().color(label->backgroundRole()),
                      label->palette().color(QPalette::Button));
        }
    }
}

TEST_F(WindowLayout, WindowHasItsTitleAndAFixedClientArea) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Letterfibel"));
    const QSize client(letterfibel::kClientWidth, letterfibel::kClientHeight);
    EXPECT_EQ(window.size(), client);
    EXPECT_EQ(window.minimumSize(), client);
    EXPECT_EQ(window.maximumSize(), client);
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
    for (const letterfibel::ControlDefinition& e : letterfibel::formHauptControls()) {
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
