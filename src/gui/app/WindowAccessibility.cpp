// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

namespace {

// Asked once for each class of the object's hierarchy, most derived first;
// answering only for that class leaves Qt's own interfaces to everything else.
// Dialogs keep their dialog role.
QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const Qt::WindowType type = widget->windowType();
    if ((type != Qt::Window && type != Qt::SplashScreen) || qobject_cast<QDialog *>(widget)
        || !widget->windowFlags().testFlag(Qt::FramelessWindowHint))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
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
