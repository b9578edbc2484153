// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/WindowRim.h"

#include "gui/app/FramelessWindow.h"
#include "gui/users/TitleStrip.h"

#include <QPainter>
#include <QVBoxLayout>

WindowRim::WindowRim(const QString &title, const WindowLook &look, QWidget *window)
    : QWidget(window)
    , m_look(look)
    , m_titleStrip(new TitleStrip(title, look, this))
    , m_body(new QWidget(this))
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setWindowTitle(title);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleStrip);
    layout->addWidget(m_body, 1);
    const int rim = FramelessWindow::rimWidth;
    m_body->setContentsMargins(rim, 0, rim, rim);

    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(this);
}

void WindowRim::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    FramelessWindow::paintFace(painter, rect(), m_titleStrip->height(), m_look);
}
