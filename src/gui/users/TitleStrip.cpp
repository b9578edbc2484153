// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/TitleStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace {

const QColor captionTop(58, 110, 210);
const QColor captionBottom(20, 62, 160);

} // namespace

TitleStrip::TitleStrip(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_Label1(new QLabel(title, this))
    , m_Picture1(new QToolButton(this))
{
    setObjectName(QStringLiteral("Image1"));
    m_Label1->setObjectName(QStringLiteral("Label1"));
    QFont font = m_Label1->font();
    font.setBold(true);
    m_Label1->setFont(font);
    m_Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    // Presses on the title fall through to the strip, which drags.
    m_Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_Picture1->setObjectName(QStringLiteral("Picture1"));
    m_Picture1->setText(QStringLiteral("×"));
    m_Picture1->setToolTip(QStringLiteral("关闭"));
    m_Picture1->setAccessibleName(QStringLiteral("关闭"));
    m_Picture1->setAutoRaise(true);
    m_Picture1->setFocusPolicy(Qt::NoFocus);
    m_Picture1->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; border: none; font-size: 15px; padding: 0 6px; }"
        "QToolButton:hover { background: rgb(220, 60, 50); }"));
    connect(m_Picture1, &QToolButton::clicked, this, &TitleStrip::closeClicked);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 2, 0);
    layout->addWidget(m_Label1, 1);
    layout->addWidget(m_Picture1);
}

void TitleStrip::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

QSize TitleStrip::sizeHint() const
{
    return {QWidget::sizeHint().width(), 28};
}

void TitleStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.drawPixmap(rect(), m_picture);
        return;
    }
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, captionTop);
    gradient.setColorAt(1, captionBottom);
    painter.fillRect(rect(), gradient);
}

void TitleStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QWindow *handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_dragOffset = event->globalPosition().toPoint() - window()->pos();
}

void TitleStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragOffset)
        window()->move(event->globalPosition().toPoint() - *m_dragOffset);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent *)
{
    m_dragOffset.reset();
}
