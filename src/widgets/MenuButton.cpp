// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/MenuButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int sidePadding = 10;

// The tint of a hovered or pressed face: the colour laid thinly over the face.
QColor tinted(const QColor &face, const QColor &tint, double strength)
{
    return QColor::fromRgbF(face.redF() + (tint.redF() - face.redF()) * strength,
                            face.greenF() + (tint.greenF() - face.greenF()) * strength,
                            face.blueF() + (tint.blueF() - face.blueF()) * strength);
}

QString withoutMarkers(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(u'\x01', u'&');
    return caption;
}

} // namespace

MenuButton::MenuButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent), m_caption(caption)
{
    // The plain text names the button for screen readers; no mnemonic is registered.
    setText(withoutMarkers(caption));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void MenuButton::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void MenuButton::setBackColorPop(const QColor &color)
{
    m_backColorPop = color;
    update();
}

void MenuButton::setBackColorPush(const QColor &color)
{
    m_backColorPush = color;
    update();
}

void MenuButton::setEdgeColor(const QColor &color)
{
    m_edgeColor = color;
    update();
}

void MenuButton::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void MenuButton::setCaptionBackColor(const QColor &color)
{
    m_captionBackColor = color;
    update();
}

void MenuButton::setTextAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void MenuButton::setOpen(bool open)
{
    if (m_open == open)
        return;
    m_open = open;
    update();
}

QSize MenuButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, m_caption);
    return {text.width() + 2 * sidePadding, std::max(text.height() + 8, 22)};
}

void MenuButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), m_captionBackColor);

    const bool pressed = isDown() || m_open;
    if ((pressed || m_over) && isEnabled()) {
        const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath rounded;
        rounded.addRoundedRect(face, 2, 2);
        painter.fillPath(rounded, tinted(m_backColor, pressed ? m_backColorPush : m_backColorPop,
                                         pressed ? 0.28 : 0.16));
        painter.setPen(m_edgeColor);
        painter.drawPath(rounded);
    }

    painter.setPen(isEnabled() ? m_foreColor : palette().color(QPalette::Disabled, QPalette::Text));
    const QRect textRect = rect().adjusted(sidePadding, 0, -sidePadding, 0);
    painter.drawText(textRect, int(m_alignment | Qt::AlignVCenter) | Qt::TextShowMnemonic, m_caption);
}

void MenuButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    m_over = true;
    update();
}

void MenuButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    m_over = false;
    update();
}

void MenuButton::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button());
    QAbstractButton::mousePressEvent(event);
}
