// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    if (className != u"MainWindow" && className != u"SplashWindow")
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

void registerWindowAccessibility()
{
    static const bool registered = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    Q_UNUSED(registered);
}
