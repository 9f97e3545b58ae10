// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "formhaupt.h"
#include "spoken_notice.h"

#include <QAccessibleApplication>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace letterfibel::qt {

namespace {

class Application : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return QString::fromUtf8(letterfibel::kDescription);
        return QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (object == qApp)
        return new Application;
    if (auto* window = qobject_cast<FormHaupt*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* notice = qobject_cast<SpokenNotice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(accessibleFor);
}

} // namespace letterfibel::qt
