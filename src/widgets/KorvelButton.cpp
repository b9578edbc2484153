// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/KorvelButton.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

constexpr int innerMargin = 4;   // content keeps this distance from every edge
constexpr int pictureGap = 4;    // between picture and caption
constexpr int cornerRadius = 3;  // rounded faces and frames

QColor shifted(const QColor &color, int red, int green, int blue)
{
    return QColor(std::clamp(color.red() + red, 0, 255), std::clamp(color.green() + green, 0, 255),
                  std::clamp(color.blue() + blue, 0, 255));
}

QColor valueOr(const QColor &color, const QColor &fallback)
{
    return color.isValid() ? color : fallback;
}

} // namespace

KorvelButton::KorvelButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void KorvelButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

void KorvelButton::setPictureHover(const QPixmap &picture)
{
    m_pictureHover = picture;
    update();
}

void KorvelButton::setPicturePosition(PicturePosition position)
{
    m_picturePosition = position;
    changeLook();
}

void KorvelButton::setPictureSize(const QSize &size)
{
    m_pictureSize = size;
    changeLook();
}

void KorvelButton::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

QColor KorvelButton::backColor() const
{
    return valueOr(m_backColor, palette().color(QPalette::Button));
}

void KorvelButton::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

QColor KorvelButton::foreColor() const
{
    return valueOr(m_foreColor, palette().color(QPalette::ButtonText));
}

void KorvelButton::setXPStyle(bool on)
{
    m_xpStyle = on;
    update();
}

void KorvelButton::setXPWinStyle(bool on)
{
    m_xpWinStyle = on;
    update();
}

void KorvelButton::setToolBar(bool on)
{
    m_toolBar = on;
    update();
}

void KorvelButton::setXPColorHover(const QColor &color)
{
    m_xpColorHover = color;
    update();
}

void KorvelButton::setXPColorPressed(const QColor &color)
{
    m_xpColorPressed = color;
    update();
}

void KorvelButton::setXPDefaultColors(bool on)
{
    m_xpDefaultColors = on;
    update();
}

void KorvelButton::setOuterBorderColor(const QColor &color)
{
    m_outerBorderColor = color;
    update();
}

void KorvelButton::setXPShowBorderAlways(bool on)
{
    m_xpShowBorderAlways = on;
    update();
}

void KorvelButton::setRaised(bool on)
{
    m_raised = on;
    update();
}

void KorvelButton::setNoBorderEffect(bool on)
{
    m_noBorderEffect = on;
    update();
}

void KorvelButton::setShowFocusRect(bool on)
{
    m_showFocusRect = on;
    update();
}

QPixmap KorvelButton::shownPicture() const
{
    return m_over && !m_pictureHover.isNull() ? m_pictureHover : m_picture;
}

void KorvelButton::changeLook()
{
    updateGeometry();
    update();
}

QSize KorvelButton::captionSize(int width) const
{
    if (text().isEmpty())
        return {};
    return fontMetrics()
        .boundingRect(QRect(0, 0, std::max(width, 1), 10000),
                      Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text())
        .size();
}

QSize KorvelButton::sizeHint() const
{
    const QSize caption = captionSize(10000);
    const bool hasPicture = !m_picture.isNull();
    QSize content = caption;
    if (hasPicture) {
        if (caption.isEmpty()) {
            content = m_pictureSize;
        } else if (m_picturePosition == PicturePosition::Above
                   || m_picturePosition == PicturePosition::Below) {
            content = QSize(std::max(caption.width(), m_pictureSize.width()),
                            caption.height() + pictureGap + m_pictureSize.height());
        } else {
            content = QSize(caption.width() + pictureGap + m_pictureSize.width(),
                            std::max(caption.height(), m_pictureSize.height()));
        }
    }
    // Room for the border and a comfortable click target around a caption.
    const int padding = caption.isEmpty() ? 2 * innerMargin : 2 * innerMargin + 8;
    return content + QSize(padding, 2 * innerMargin);
}

QSize KorvelButton::minimumSizeHint() const
{
    return {10, 10};
}

KorvelButton::Layout KorvelButton::layout(bool pressed) const
{
    const QRect inner = rect().adjusted(innerMargin, innerMargin, -innerMargin, -innerMargin);
    const bool hasPicture = !m_picture.isNull();
    const bool vertical = m_picturePosition == PicturePosition::Above
                          || m_picturePosition == PicturePosition::Below;
    int captionWidth = inner.width();
    if (hasPicture && !vertical)
        captionWidth -= m_pictureSize.width() + pictureGap;
    const QSize caption = captionSize(captionWidth);

    Layout result;
    if (!hasPicture) {
        result.caption = QRect(QPoint(), caption);
        result.caption.moveCenter(inner.center());
    } else if (caption.isEmpty()) {
        result.picture = QRect(QPoint(), m_pictureSize);
        result.picture.moveCenter(inner.center());
    } else {
        // Picture and caption are centred as one group.
        const QSize group = vertical
                                ? QSize(std::max(caption.width(), m_pictureSize.width()),
                                        caption.height() + pictureGap + m_pictureSize.height())
                                : QSize(caption.width() + pictureGap + m_pictureSize.width(),
                                        std::max(caption.height(), m_pictureSize.height()));
        QRect box(QPoint(), group);
        box.moveCenter(inner.center());
        QRect picture(QPoint(), m_pictureSize);
        QRect text(QPoint(), caption);
        switch (m_picturePosition) {
        case PicturePosition::Above:
            picture.moveTopLeft({box.center().x() - picture.width() / 2, box.top()});
            text.moveTopLeft({box.center().x() - text.width() / 2, picture.bottom() + 1 + pictureGap});
            break;
        case PicturePosition::Below:
            text.moveTopLeft({box.center().x() - text.width() / 2, box.top()});
            picture.moveTopLeft({box.center().x() - picture.width() / 2, text.bottom() + 1 + pictureGap});
            break;
        case PicturePosition::Left:
            picture.moveTopLeft({box.left(), box.center().y() - picture.height() / 2});
            text.moveTopLeft({picture.right() + 1 + pictureGap, box.center().y() - text.height() / 2});
            break;
        case PicturePosition::Right:
            text.moveTopLeft({box.left(), box.center().y() - text.height() / 2});
            picture.moveTopLeft({text.right() + 1 + pictureGap, box.center().y() - picture.height() / 2});
            break;
        }
        result.picture = picture;
        result.caption = text;
    }
    if (pressed) {
        result.picture.translate(1, 1);
        result.caption.translate(1, 1);
    }
    return result;
}

QColor KorvelButton::hoverColor() const
{
    if (m_xpDefaultColors) {
        const QColor highlight = palette().color(QPalette::Highlight);
        // The system highlight lightened towards white, as the classic XP face does.
        return shifted(highlight, 171, 154, 108);
    }
    return valueOr(m_xpColorHover, palette().color(QPalette::Light));
}

QColor KorvelButton::pressedColor() const
{
    if (m_xpDefaultColors)
        return shifted(palette().color(QPalette::Highlight), 156, 139, 108);
    return valueOr(m_xpColorPressed, palette().color(QPalette::Midlight));
}

void KorvelButton::paintFace(QPainter &painter, bool pressed, bool hot) const
{
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_xpStyle && m_xpWinStyle) {
        QPainterPath rounded;
        rounded.addRoundedRect(face, cornerRadius, cornerRadius);
        const QColor base = backColor();
        if (!pressed && !hot && m_toolBar) {
            painter.fillPath(rounded, base);
        } else {
            // Each line darker than the face towards the top edge.
            const int depth = pressed ? 15 : 25;
            QLinearGradient gradient(face.bottomLeft(), face.topLeft());
            gradient.setColorAt(0, base);
            gradient.setColorAt(1, shifted(base, -depth, -depth, -depth));
            painter.fillPath(rounded, gradient);
        }
        return;
    }
    QColor color = backColor();
    if (m_xpStyle && pressed)
        color = pressedColor();
    else if (m_xpStyle && hot)
        color = hoverColor();
    if (m_xpStyle && color != backColor()) {
        painter.fillRect(rect(), backColor());
        QPainterPath rounded;
        rounded.addRoundedRect(face, cornerRadius, cornerRadius);
        painter.fillPath(rounded, color);
    } else {
        painter.fillRect(rect(), color);
    }
}

void KorvelButton::paintBorder(QPainter &painter, bool pressed, bool hot) const
{
    const QRectF edge = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_xpStyle) {
        QColor line;
        if (m_xpWinStyle) {
            const QColor outer = valueOr(m_outerBorderColor, palette().color(QPalette::Shadow));
            if (pressed)
                line = pressedColor().darker(150);
            else if (hot)
                line = hoverColor().darker(130);
            else if (!m_toolBar)
                line = outer;
            else
                line = QColor(outer.red(), outer.green(), outer.blue(), 80);
        } else if (hot || pressed || m_xpShowBorderAlways) {
            line = foreColor();
        }
        if (line.isValid()) {
            painter.setPen(QPen(line, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(edge, cornerRadius, cornerRadius);
        }
        return;
    }
    if (!pressed && !hot && !m_raised)
        return;
    // The raised look: light top-left, dark bottom-right; pressed swaps them.
    QColor light = palette().color(QPalette::Light);
    QColor dark = palette().color(QPalette::Dark);
    if (pressed)
        std::swap(light, dark);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void KorvelButton::paintContent(QPainter &painter, bool pressed) const
{
    const Layout parts = layout(pressed);
    const QPixmap shown = shownPicture();
    if (!shown.isNull()) {
        QPixmap drawn = shown;
        if (!isEnabled()) {
            QStyleOption option;
            option.initFrom(this);
            drawn = style()->generatedIconPixmap(QIcon::Disabled, shown, &option);
        }
        painter.drawPixmap(parts.picture, drawn);
    }
    if (hasFocus() && m_showFocusRect && !(m_xpStyle && m_xpWinStyle)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(innerMargin - 1, innerMargin - 1, -innerMargin + 1, -innerMargin + 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    if (text().isEmpty())
        return;
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (isEnabled()) {
        painter.setPen(foreColor());
        painter.drawText(parts.caption, flags, text());
    } else {
        // Embossed: a light copy one pixel down-right under the shadowed text.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(parts.caption.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(parts.caption, flags, text());
    }
}

void KorvelButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool pressed = isDown();
    const bool hot = m_over && isEnabled();
    paintFace(painter, pressed, hot);
    if (!m_noBorderEffect)
        paintBorder(painter, pressed, hot);
    paintContent(painter, pressed);
}

bool KorvelButton::event(QEvent *event)
{
    // Screen readers name a picture button by its tool tip.
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip());
    return QAbstractButton::event(event);
}

void KorvelButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (m_over)
        return;
    m_over = true;
    emit mouseIn();
    update();
}

void KorvelButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    if (!m_over)
        return;
    m_over = false;
    emit mouseOut();
    update();
}

void KorvelButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::RightButton)
        return;
    m_mouseHeld = true;
    setDown(true);
}

void KorvelButton::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    // Dragged out while held: the released look until the pointer comes back.
    if (m_mouseHeld)
        setDown(rect().contains(event->position().toPoint()));
}

void KorvelButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::RightButton || !m_mouseHeld)
        return;
    m_mouseHeld = false;
    setDown(false);
    if (rect().contains(event->position().toPoint()))
        click();
}

void KorvelButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool space = event->key() == Qt::Key_Space;
    if (!enter && !space) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // Only the first key-down of a held key clicks; repeats do nothing.
    if (event->isAutoRepeat() || m_keyHeld)
        return;
    m_keyHeld = true;
    QPointer<KorvelButton> alive(this);
    click();
    if (alive && space)
        setDown(true);
}

void KorvelButton::keyReleaseEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool space = event->key() == Qt::Key_Space;
    if (!enter && !space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    m_keyHeld = false;
    if (space)
        setDown(false);
}

void KorvelButton::focusOutEvent(QFocusEvent *event)
{
    // A key released elsewhere must not leave the button looking pressed.
    if (m_keyHeld && !m_mouseHeld)
        setDown(false);
    m_keyHeld = false;
    QAbstractButton::focusOutEvent(event);
}
