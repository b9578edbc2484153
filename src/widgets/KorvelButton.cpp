// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/KorvelButton.h"

#include "core/app/ButtonColors.h"
#include "core/platform/UrlOpener.h"
#include "widgets/ButtonSounds.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int captionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

QColor valueOr(const QColor &color, const QColor &fallback)
{
    return color.isValid() ? color : fallback;
}

// A colour part of the way from one colour to another.
QColor between(const QColor &from, const QColor &to, double part)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * part,
                            from.greenF() + (to.greenF() - from.greenF()) * part,
                            from.blueF() + (to.blueF() - from.blueF()) * part);
}

// A frame one pixel wide just inside r: light top and left, dark bottom and right.
void drawEdges(QPainter &painter, const QRect &r, const QColor &light, const QColor &dark)
{
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
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
    m_originalPictureSize = picture.isNull() ? QSize(32, 32) : picture.deviceIndependentSize().toSize();
    if (m_pictureSize == 2)
        m_pictureDimensions = ButtonLayout::pictureBox(2, m_pictureDimensions, m_originalPictureSize,
                                                       !m_picture.isNull());
    changeLook();
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

void KorvelButton::setPictureSize(int pictureSize)
{
    m_pictureSize = pictureSize;
    m_pictureDimensions =
        ButtonLayout::pictureBox(pictureSize, m_pictureDimensions, m_originalPictureSize, !m_picture.isNull());
    changeLook();
}

void KorvelButton::setPictureDimensions(const QSize &size)
{
    m_pictureDimensions = size;
    changeLook();
}

QSize KorvelButton::pictureBox() const
{
    return m_pictureDimensions;
}

void KorvelButton::setMaskColor(const QColor &color)
{
    m_maskColor = color;
    update();
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
    updateRegion();
    update();
}

void KorvelButton::setXPWinStyle(bool on)
{
    m_xpWinStyle = on;
    updateRegion();
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

void KorvelButton::setTransparentBG(bool on)
{
    m_transparentBG = on;
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

void KorvelButton::setShowBorderOnFocus(bool on)
{
    m_showBorderOnFocus = on;
    update();
}

void KorvelButton::setBevel(int bevel)
{
    m_bevel = bevel;
    update();
}

void KorvelButton::setBevelDepth(int pixels)
{
    m_bevelDepth = pixels;
    update();
}

void KorvelButton::setDefCurHand(bool on)
{
    if (on)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void KorvelButton::setSoundOver(const QString &file)
{
    m_soundOver = file;
}

void KorvelButton::setSoundClick(const QString &file)
{
    m_soundClick = file;
}

void KorvelButton::setSounds(ButtonSounds *sounds)
{
    m_sounds = sounds;
}

void KorvelButton::setURL(const QString &url)
{
    m_url = url;
}

void KorvelButton::setUrlOpener(UrlOpener *opener)
{
    m_urlOpener = opener;
}

void KorvelButton::GoToURL()
{
    // A "mailto:" address and a web address both go to the desktop's own
    // program for them.
    if (m_url.isEmpty() || !m_urlOpener)
        return;
    m_urlOpener->open(QUrl(m_url));
}

void KorvelButton::play(const QString &file)
{
    if (m_sounds && !file.isEmpty())
        m_sounds->play(file);
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

void KorvelButton::updateRegion()
{
    if (m_xpStyle && m_xpWinStyle)
        setMask(ButtonLayout::roundedRegion(size()));
    else
        clearMask();
}

QSize KorvelButton::captionSize() const
{
    if (text().isEmpty())
        return {};
    const QRect inner = ButtonLayout::innerRect(size());
    return fontMetrics()
        .boundingRect(QRect(inner.topLeft(), QSize(std::max(inner.width(), 1), 10000)), captionFlags, text())
        .size();
}

ButtonLayout::Places KorvelButton::places() const
{
    const QSize picture = m_picture.isNull() ? QSize() : pictureBox();
    return ButtonLayout::place(size(), captionSize(), picture, m_picturePosition, isDown());
}

QSize KorvelButton::sizeHint() const
{
    const QSize caption =
        text().isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize picture = m_picture.isNull() ? QSize() : pictureBox();
    QSize content = caption.isEmpty() ? picture : caption;
    if (!caption.isEmpty() && !picture.isEmpty()) {
        const bool stacked = m_picturePosition == PicturePosition::Above
                             || m_picturePosition == PicturePosition::Below;
        content = stacked ? QSize(std::max(caption.width(), picture.width()),
                                  caption.height() + ButtonLayout::pictureGap + picture.height())
                          : QSize(caption.width() + ButtonLayout::pictureGap + picture.width(),
                                  std::max(caption.height(), picture.height()));
    }
    // Room for the border and a comfortable click target around a caption.
    const int margin = 2 * ButtonLayout::innerMargin;
    return content + QSize(caption.isEmpty() ? margin : margin + 8, margin);
}

QSize KorvelButton::minimumSizeHint() const
{
    // 150 twips: a smaller button could not be hit.
    return {10, 10};
}

QColor KorvelButton::hoverColor() const
{
    if (m_xpDefaultColors)
        return ButtonColors::xpDefaultHover(palette().color(QPalette::Highlight));
    return valueOr(m_xpColorHover, palette().color(QPalette::Light));
}

QColor KorvelButton::pressedColor() const
{
    if (m_xpDefaultColors)
        return ButtonColors::xpDefaultPressed(palette().color(QPalette::Highlight));
    return valueOr(m_xpColorPressed, palette().color(QPalette::Midlight));
}

void KorvelButton::paintXpWindowFace(QPainter &painter, bool pressed, bool hot) const
{
    const QColor face = backColor();
    const int w = width();
    const int h = height();
    // The toolbar look keeps the plain face until the pointer comes.
    if (!pressed && !hot && m_toolBar) {
        painter.fillRect(rect(), face);
    } else {
        for (int line = 0; line < h; ++line)
            painter.fillRect(0, h - 1 - line, w, 1, ButtonColors::gradientLine(face, line, h, pressed));
    }
    if (m_noBorderEffect)
        return;
    // The outline follows the rounded region: straight edges that stop two
    // pixels short of each corner, joined by one pixel on the diagonal.
    const auto outline = [&](const QRect &r, const QColor &color) {
        painter.setPen(color);
        painter.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
        painter.drawLine(r.left() + 2, r.bottom(), r.right() - 2, r.bottom());
        painter.drawLine(r.left(), r.top() + 2, r.left(), r.bottom() - 2);
        painter.drawLine(r.right(), r.top() + 2, r.right(), r.bottom() - 2);
        painter.drawPoint(r.left() + 1, r.top() + 1);
        painter.drawPoint(r.right() - 1, r.top() + 1);
        painter.drawPoint(r.left() + 1, r.bottom() - 1);
        painter.drawPoint(r.right() - 1, r.bottom() - 1);
    };
    const QColor outer = valueOr(m_outerBorderColor, palette().color(QPalette::Shadow));
    outline(rect().adjusted(0, 0, -1, -1), outer);
    // Hovered: a highlight ring just inside the outline.
    if (hot && !pressed && w > 6 && h > 6) {
        const QRect ring = rect().adjusted(1, 1, -2, -2);
        painter.setPen(hoverColor());
        painter.drawLine(ring.left() + 1, ring.top(), ring.right() - 1, ring.top());
        painter.drawLine(ring.left() + 1, ring.bottom(), ring.right() - 1, ring.bottom());
        painter.drawLine(ring.left(), ring.top() + 1, ring.left(), ring.bottom() - 1);
        painter.drawLine(ring.right(), ring.top() + 1, ring.right(), ring.bottom() - 1);
    }
}

void KorvelButton::paintFace(QPainter &painter, bool pressed, bool hot) const
{
    QColor face;
    if (m_xpStyle && pressed)
        face = pressedColor();
    else if (m_xpStyle && hot)
        face = hoverColor();
    else if (!m_transparentBG)
        face = backColor();
    // Without a face colour the container shows through.
    if (face.isValid())
        painter.fillRect(rect(), face);
}

void KorvelButton::paintBorder(QPainter &painter, bool pressed, bool hot) const
{
    if (m_xpStyle) {
        if (hot || pressed || m_xpShowBorderAlways) {
            painter.setPen(foreColor());
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    const bool focusBorder = hasFocus() && m_showBorderOnFocus;
    if (!pressed && !hot && !m_raised && !focusBorder)
        return;
    // Raised: 3D highlight top and left, button shadow bottom and right;
    // pressed exchanges them.
    QColor light = palette().color(QPalette::Light);
    QColor dark = palette().color(QPalette::Dark);
    if (pressed)
        std::swap(light, dark);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    if (m_bevel <= 1) {
        drawEdges(painter, edge, light, dark);
        return;
    }
    // The bevel fades from the edge colours into the face over its depth.
    const int depth = std::clamp(m_bevelDepth, 1, std::max(1, std::min(width(), height()) / 2));
    const QColor face = backColor();
    for (int step = 0; step < depth; ++step) {
        const double fade = double(step) / depth;
        drawEdges(painter, edge.adjusted(step, step, -step, -step), between(light, face, fade),
                  between(dark, face, fade));
    }
}

QPixmap KorvelButton::drawnPicture() const
{
    QPixmap drawn = shownPicture();
    if (drawn.isNull())
        return drawn;
    // A bitmap has no transparency of its own; its mask colour gives it one.
    if (!drawn.hasAlphaChannel())
        drawn.setMask(drawn.createMaskFromColor(m_maskColor, Qt::MaskInColor));
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        drawn = style()->generatedIconPixmap(QIcon::Disabled, drawn, &option);
    }
    return drawn;
}

void KorvelButton::paintContent(QPainter &painter, bool pressed) const
{
    const ButtonLayout::Places parts = ButtonLayout::place(
        size(), captionSize(), m_picture.isNull() ? QSize() : pictureBox(), m_picturePosition, pressed);
    const QPixmap picture = drawnPicture();
    if (!picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(parts.picture, picture);
    }
    if (hasFocus() && m_showFocusRect && !(m_xpStyle && m_xpWinStyle)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = ButtonLayout::innerRect(size());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    if (text().isEmpty())
        return;
    if (isEnabled()) {
        painter.setPen(foreColor());
        painter.drawText(parts.caption, captionFlags, text());
    } else {
        // Embossed: a 3D-highlight copy one pixel down-right under the
        // caption in the button-shadow colour.
        const ButtonColors::Emboss emboss = ButtonColors::disabledCaption(
            backColor(), palette().color(QPalette::Dark), palette().color(QPalette::Light));
        painter.setPen(emboss.highlight);
        painter.drawText(parts.caption.translated(1, 1), captionFlags, text());
        painter.setPen(emboss.shadow);
        painter.drawText(parts.caption, captionFlags, text());
    }
}

void KorvelButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool pressed = isDown();
    const bool hot = m_over && isEnabled();
    if (m_xpStyle && m_xpWinStyle) {
        paintXpWindowFace(painter, pressed, hot);
    } else {
        paintFace(painter, pressed, hot);
        if (!m_noBorderEffect)
            paintBorder(painter, pressed, hot);
    }
    paintContent(painter, pressed);
}

void KorvelButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    updateRegion();
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
    if (m_over || !isEnabled())
        return;
    m_over = true;
    emit mouseIn();
    update();
    play(m_soundOver);
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
    if (!rect().contains(event->position().toPoint()))
        return;
    play(m_soundClick);
    QPointer<KorvelButton> alive(this);
    click();
    // A click that closed the window may have taken the button with it.
    if (alive)
        GoToURL();
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
    if (!alive)
        return;
    if (space)
        setDown(true);
    GoToURL();
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
