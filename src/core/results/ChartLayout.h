// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/results/GradeRecord.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

// Where the analysis chart puts its axis, grid, bars and labels for the
// records of its seven slots: geometry only, the widget paints it. The
// layout is fixed in twips of the 8835 x 6435 chart frame, the speed axis
// rising from the baseline at y = 5370; every rectangle and line is given
// scaled to the plot size asked for (twips when it is the frame's size).
class ChartLayout
{
public:
    static constexpr int SlotCount = 7;
    static constexpr QSize FrameTwips {8835, 6435};
    static constexpr int Baseline = 5370; // y of speed 0, in twips
    static constexpr double TwipsPerSpeed = 21.825;
    static constexpr double HighestBar = 4365; // the height of speed 200
    static constexpr int AxisPenPixels = 2;    // the axis and the baseline; the grid is thin

    struct Label
    {
        QRectF rect;
        QString text;
        Qt::Alignment alignment;
        bool operator==(const Label &) const = default;
    };

    struct GridLine
    {
        int speed = 0;
        QLineF line;
        bool operator==(const GridLine &) const = default;
    };

    // One slot: a filled bar with a thin dark outline, its outlined shadow
    // 60 twips to the right, the speed above it and the date below the
    // baseline. A slot without a record has bars of height 0 on the baseline,
    // an empty value and the date "无记录".
    struct Bar
    {
        bool recorded = false;
        int speed = 0;
        double height = 0; // in twips, before scaling
        QRectF bar;
        QRectF shadow;
        QColor colour;
        Label value;
        Label date;
        QString spoken; // "6月3日 星期二 速度 48 字/分", "无记录"
        bool operator==(const Bar &) const = default;
    };

    // The slots hold the records in order, at most seven; the slots after
    // them are cleared.
    explicit ChartLayout(const QList<GradeRecord> &records,
                         const QSizeF &plotSize = QSizeF(FrameTwips));

    QLineF verticalAxis() const;
    QLineF baseline() const;
    // Light grey, RGB(192, 192, 192): speeds 25, 50, 75, 100, 150 and 200.
    QList<GridLine> gridLines() const;
    static QColor gridColour();
    // "0-" to "200-", right-aligned against the axis, centred on their lines.
    QList<Label> axisLabels() const;
    // The seven slots, left to right.
    const QList<Bar> &bars() const { return m_bars; }
    QRectF scrollBar() const;

    // What a screen reader says about the chart: the recorded slots'
    // spoken texts, joined by "；", or "无记录" when no slot has a record.
    QString summary() const;

    // The height of a speed's bar in twips: 21.825 per character a minute, at
    // most the height of 200; none for a speed of 0 or less.
    static double barHeight(int speed);
    // The speed colour: black up to 0, then a band's colour with the speed
    // in one of its components, pure red above 200.
    static QColor speedColour(int speed);
    // The stored date followed by its weekday (" 星期二") when it begins with
    // a digit and is a date; otherwise the stored text alone.
    static QString dateLabel(const QString &storedDate);

private:
    QRectF scaledRect(double left, double top, double width, double height) const;
    QLineF scaledLine(double x1, double y1, double x2, double y2) const;
    Bar slot(int j, const GradeRecord *record) const;

    double m_scaleX = 1;
    double m_scaleY = 1;
    QList<Bar> m_bars;
};
