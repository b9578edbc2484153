// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/KeyboardControl.h"

#include <QMouseEvent>

KeyboardControl::KeyboardControl(const QSize &size, const QString &accessibleName, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(size);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleName);
}

QSize KeyboardControl::sizeHint() const
{
    return minimumSize();
}

void KeyboardControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void KeyboardControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (rect().contains(event->position().toPoint()))
            emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}
