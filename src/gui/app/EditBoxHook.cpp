// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/EditBoxHook.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWidget>

EditBoxHook::EditBoxHook(QObject *parent) : QObject(parent) {}

void EditBoxHook::HookEditBox(QWidget *box, RightButtonHandler onRightButton)
{
    if (!box || isHooked(box))
        return;
    box->installEventFilter(this);
    m_boxes.append({box, std::move(onRightButton)});
}

void EditBoxHook::UnhookEditBox(QWidget *box)
{
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i].box == box) {
            box->removeEventFilter(this);
            m_boxes.removeAt(i);
            return;
        }
    }
}

bool EditBoxHook::isHooked(const QWidget *box) const
{
    for (const Hooked &hooked : m_boxes) {
        if (hooked.box == box)
            return true;
    }
    return false;
}

bool EditBoxHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu)
        return true; // the edit menu the right button would open
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    for (const Hooked &hooked : m_boxes) {
        if (hooked.box == watched && hooked.onRightButton)
            hooked.onRightButton(hooked.box, mouse->globalPosition().toPoint());
    }
    return true;
}
