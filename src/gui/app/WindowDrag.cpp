// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void WindowDrag::press(QWidget *part, const QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QWidget *window = part->window();
    QWindow *handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_offset = event->globalPosition().toPoint() - window->frameGeometry().topLeft();
}

void WindowDrag::move(QWidget *part, const QMouseEvent *event)
{
    if (m_offset)
        part->window()->move(event->globalPosition().toPoint() - *m_offset);
}

void WindowDrag::release()
{
    m_offset.reset();
}
