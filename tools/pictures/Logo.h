// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// The program's mark, shared by the window pictures and the desktop icons.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// The program's mark: a key cap with a "Q" on it.
inline void drawLogo(QPainter &p, const QRectF &box)
{
    const qreal r = box.width() * 0.22;
    const qreal depth = box.height() * 0.09;
    QPainterPath base;
    base.addRoundedRect(box, r, r);
    p.fillPath(base, QColor(0x1d, 0x4b, 0x86));
    QRectF top = box.adjusted(0, 0, 0, -depth);
    QPainterPath cap;
    cap.addRoundedRect(top, r, r);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0, QColor(0xff, 0xff, 0xff));
    face.setColorAt(1, QColor(0xe3, 0xec, 0xf7));
    p.fillPath(cap, face);
    p.setPen(QPen(QColor(0x2e, 0x64, 0xaa), box.width() * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c = top.center();
    const qreal ring = top.width() * 0.24;
    p.drawEllipse(c, ring, ring);
    p.drawLine(c + QPointF(ring * 0.35, ring * 0.35), c + QPointF(ring * 1.05, ring * 1.05));
}
