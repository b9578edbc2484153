// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/keyboard/KeyCap.h"

#include <QColor>
#include <QList>
#include <QPixmap>

#include <functional>

class QPainter;

// Paints keyboard pictures from a key layout. Pictures are drawn at the
// screen's device pixel ratio rather than scaled from one size, so labels and
// edges stay sharp on HiDPI screens; keyboards with other keys (the Wubi key
// map) draw their caps with the same look.
namespace KeyboardPicture {

struct Look
{
    QColor fill; // the key cap's face
    QColor ink;  // its labels
};

// The whole picture: size in device-independent pixels, the background, then
// every key as a cap in the look lookOf gives it.
QPixmap render(QSize size, qreal devicePixelRatio, const QColor &background, const QList<KeyCap> &keys,
               const std::function<Look(const KeyCap &)> &lookOf);

// One key, cap and labels, in its cell: what render paints for each key.
void paintKey(QPainter &painter, const KeyCap &key, const Look &look);

// One key cap inside its cell, inset so that neighbouring keys stay apart.
// The face is flat in fill, with a darker lip along the bottom.
void paintCap(QPainter &painter, const QRectF &cell, const QColor &fill);

// The face of a cap painted in cell: where labels and other marks go.
QRectF faceOf(const QRectF &cell);

} // namespace KeyboardPicture
