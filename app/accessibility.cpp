// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "spoken_notice.h"

#include <QAccessibleApplication>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace {

class Application : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return QStringLiteral("Übung zum Lesen der griechischen Buchstaben");
        return QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (object == qApp && className == QLatin1String("QApplication"))
        return new Application;
    if (className == QLatin1String("FormHaupt") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QWidget") && isSpokenNotice(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(accessibleFor);
}
