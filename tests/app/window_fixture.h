// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fake_runtime.h"
#include "formhaupt.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace letterfibel::testing {

// The real window on a scripted runtime: random numbers from the test, and a pause that ends
// when the test fires its timer.
class WindowTest : public ::testing::Test {
protected:
    template <typename T = QWidget> T* find(const char* name) const {
        T* widget = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* labelName) const { return find<QLabel>(labelName)->text(); }
    QString question() const { return find<QGroupBox>("Frame1")->title(); }
    void click(const char* buttonName) {
        QTest::mouseClick(find<QPushButton>(buttonName), Qt::LeftButton);
    }
    QColor textColour(const char* name) const {
        const QWidget* widget = find(name);
        return widget->palette().color(widget->foregroundRole());
    }

    FakeRuntime runtime;
    qt::FormHaupt window{runtime};
};

inline double forLetter(int n) {
    return (n - 0.5) / 15.0;
}

} // namespace letterfibel::testing
