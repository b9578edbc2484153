// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/KeyboardPicture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal CellMargin = 2.0;
constexpr qreal LipHeight = 2.0;
constexpr qreal CornerRadius = 4.0;

// A font of the given pixel size, made smaller until text fits width, so
// long names such as "Backspace" stay whole on narrow keys.
QFont fittingFont(const QString &text, int pixelSize, qreal width, QFont::Weight weight)
{
    QFont font;
    font.setWeight(weight);
    for (; pixelSize > 7; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

void paintLabels(QPainter &painter, const KeyCap &key, const QColor &ink)
{
    const QRectF face = KeyboardPicture::faceOf(key.rect);
    const QRectF textArea = face.adjusted(3, 0, -3, 0);
    painter.setPen(ink);
    if (!key.shiftLabel.isEmpty()) {
        // Shifted symbol above, unshifted below, as on the keys themselves.
        const qreal half = face.height() / 2;
        painter.setFont(fittingFont(key.shiftLabel, 12, textArea.width(), QFont::Normal));
        painter.drawText(QRectF(textArea.left(), face.top() + 1, textArea.width(), half),
                         Qt::AlignCenter, key.shiftLabel);
        painter.setFont(fittingFont(key.label, 14, textArea.width(), QFont::DemiBold));
        painter.drawText(QRectF(textArea.left(), face.top() + half - 1, textArea.width(), half),
                         Qt::AlignCenter, key.label);
        return;
    }
    const bool named = key.typed.isEmpty();
    painter.setFont(fittingFont(key.label, named ? 11 : 14, textArea.width(),
                                named ? QFont::Normal : QFont::DemiBold));
    painter.drawText(textArea, Qt::AlignCenter, key.label);
}

} // namespace

namespace KeyboardPicture {

QRectF faceOf(const QRectF &cell)
{
    return cell.adjusted(CellMargin, CellMargin, -CellMargin, -CellMargin - LipHeight);
}

void paintCap(QPainter &painter, const QRectF &cell, const QColor &fill)
{
    const QRectF body = cell.adjusted(CellMargin, CellMargin, -CellMargin, -CellMargin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill.darker(150));
    painter.drawRoundedRect(body, CornerRadius, CornerRadius);
    painter.setBrush(fill);
    painter.drawRoundedRect(faceOf(cell), CornerRadius, CornerRadius);
}

void paintKey(QPainter &painter, const KeyCap &key, const Look &look)
{
    paintCap(painter, key.rect, look.fill);
    paintLabels(painter, key, look.ink);
}

QPixmap render(QSize size, qreal devicePixelRatio, const QColor &background, const QList<KeyCap> &keys,
               const std::function<Look(const KeyCap &)> &lookOf)
{
    QPixmap picture(std::ceil(size.width() * devicePixelRatio), std::ceil(size.height() * devicePixelRatio));
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(background);

    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (const KeyCap &key : keys)
        paintKey(painter, key, lookOf(key));
    return picture;
}

} // namespace KeyboardPicture
