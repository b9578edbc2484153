// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/CaptionButton.h"

#include <QEvent>
#include <QPainter>

CaptionButton::CaptionButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void CaptionButton::setPictures(const QPixmap &normal, const QPixmap &hover)
{
    m_normal = normal;
    m_hover = hover;
    updateGeometry();
    update();
}

void CaptionButton::showNormalPicture()
{
    m_hovered = false;
    update();
}

QSize CaptionButton::sizeHint() const
{
    return m_normal.isNull() ? QSize(28, 22) : m_normal.deviceIndependentSize().toSize();
}

bool CaptionButton::event(QEvent *event)
{
    // Screen readers name the button by its tool tip ("关闭", "最小化", "关于").
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip());
    return QAbstractButton::event(event);
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), shownPicture());
}

void CaptionButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void CaptionButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}
