// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/DropDownPanel.h"

#include <QMouseEvent>
#include <QPainter>

DropDownPanel::DropDownPanel(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(false);
}

void DropDownPanel::setFrameColor(const QColor &color)
{
    m_frameColor = color;
    update();
}

void DropDownPanel::setSheetColor(const QColor &color)
{
    m_sheetColor = color;
    update();
}

void DropDownPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_sheetColor);
    painter.setPen(m_frameColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DropDownPanel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit marginHovered();
}
