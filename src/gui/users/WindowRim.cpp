// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/WindowRim.h"

#include "gui/users/TitleStrip.h"

#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int rimWidth = 4;
const QColor windowColor(249, 247, 242); // the built-in window colour

} // namespace

WindowRim::WindowRim(const QString &title, const WindowPictures &pictures, QWidget *window)
    : QWidget(window)
    , m_pictures(pictures)
    , m_titleStrip(new TitleStrip(title, pictures.caption, this))
    , m_body(new QWidget(this))
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setWindowTitle(title);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleStrip);
    layout->addWidget(m_body, 1);
    m_body->setContentsMargins(rimWidth, 0, rimWidth, rimWidth);

    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(this);
}

void WindowRim::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), windowColor);
    const int top = m_titleStrip->height();
    const int bottom = height() - rimWidth;
    const int right = width() - rimWidth;
    painter.drawPixmap(QRect(0, top, rimWidth, bottom - top), m_pictures.rimLeft);
    painter.drawPixmap(QRect(0, bottom, rimWidth, rimWidth), m_pictures.rimLeftBottom);
    painter.drawPixmap(QRect(rimWidth, bottom, right - rimWidth, rimWidth), m_pictures.rimBottom);
    painter.drawPixmap(QRect(right, bottom, rimWidth, rimWidth), m_pictures.rimRightBottom);
    painter.drawPixmap(QRect(right, top, rimWidth, bottom - top), m_pictures.rimRight);
}
