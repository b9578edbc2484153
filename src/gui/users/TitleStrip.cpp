// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/TitleStrip.h"

#include "gui/app/CaptionButton.h"
#include "gui/app/WindowLook.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int titleLeft = 32;  // right of the mark at the start of the caption picture
constexpr int buttonRightMargin = 4;
constexpr int fallbackHeight = 28;

} // namespace

TitleStrip::TitleStrip(const QString &title, const WindowLook &look, QWidget *parent)
    : QWidget(parent)
    , m_picture(look.pictures.caption)
    , m_Label1(new QLabel(title, this))
    , m_Picture1(new CaptionButton(this))
{
    setObjectName(QStringLiteral("Image1"));
    setAccessibleName(title);

    m_Label1->setObjectName(QStringLiteral("Label1"));
    QFont font = m_Label1->font();
    font.setBold(true);
    font.setPointSize(10);
    m_Label1->setFont(font);
    QPalette palette = m_Label1->palette();
    palette.setColor(QPalette::WindowText, look.colors.caption);
    m_Label1->setPalette(palette);
    // Presses on the title fall through to the picture, which drags.
    m_Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_Picture1->setObjectName(QStringLiteral("Picture1"));
    m_Picture1->setToolTip(QStringLiteral("关闭"));
    m_Picture1->setAccessibleName(QStringLiteral("关闭"));
    m_Picture1->setPictures(look.pictures.closeUp, look.pictures.closeDown);
    connect(m_Picture1, &CaptionButton::clicked, this, &TitleStrip::closeClicked);

    setFixedHeight(m_picture.isNull() ? fallbackHeight
                                      : m_picture.deviceIndependentSize().toSize().height());
}

QColor TitleStrip::titleColor() const
{
    return m_Label1->palette().color(QPalette::WindowText);
}

QSize TitleStrip::sizeHint() const
{
    return {titleLeft + m_Label1->sizeHint().width() + m_Picture1->sizeHint().width(), height()};
}

void TitleStrip::paintEvent(QPaintEvent *)
{
    // The picture keeps its mark at the left unscaled; a window wider than
    // the picture continues its last column.
    QPainter painter(this);
    const QSizeF size = m_picture.deviceIndependentSize();
    const qreal ratio = m_picture.devicePixelRatio();
    painter.drawPixmap(QRectF(0, 0, qMin<qreal>(width(), size.width()), height()), m_picture,
                       QRectF(0, 0, qMin<qreal>(width(), size.width()) * ratio, m_picture.height()));
    if (width() > size.width()) {
        painter.drawPixmap(QRectF(size.width(), 0, width() - size.width(), height()), m_picture,
                           QRectF(m_picture.width() - 1, 0, 1, m_picture.height()));
    }
}

void TitleStrip::resizeEvent(QResizeEvent *)
{
    m_Label1->setGeometry(titleLeft, 0, m_Label1->sizeHint().width(), height());
    const QSize button = m_Picture1->sizeHint();
    m_Picture1->setGeometry(width() - buttonRightMargin - button.width(),
                            (height() - button.height()) / 2, button.width(), button.height());
}

void TitleStrip::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(this, event);
}

void TitleStrip::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent *)
{
    m_drag.release();
}
