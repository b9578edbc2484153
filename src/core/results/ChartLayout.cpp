// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ChartLayout.h"

#include "core/results/RecordDate.h"

#include <algorithm>
#include <array>

namespace {

constexpr int AxisX = 600;
constexpr int AxisTop = 900;
constexpr int AxisBottom = 5760;
constexpr int LinesLeft = 630;
constexpr int LinesRight = 8490;

struct Grid
{
    int speed;
    int y;
};
constexpr std::array<Grid, 6> Grids {
    {{25, 4828}, {50, 4286}, {75, 3744}, {100, 3202}, {150, 2118}, {200, 1035}}};
constexpr int AxisLabelHeight = 180;

constexpr int BarLeft = 900;
constexpr int BarStep = 1125;
constexpr int BarWidth = 405;
constexpr int ShadowRight = 60;
constexpr int ShadowDrop = 150;

constexpr std::array<int, 7> ValueLefts {900, 2040, 3150, 4260, 5400, 6510, 7650};
constexpr int ValueHeight = 180;
constexpr int ValueAbove = 210;

constexpr std::array<int, 7> DateLefts {750, 1860, 3000, 4110, 5250, 6360, 7530};
constexpr int DateWidth = 765;
constexpr int DateTop = 5430;
constexpr int DateHeight = 345;

const QString NoRecord = QStringLiteral("无记录");

// Only a text that begins with a digit is read as a date.
std::optional<QDate> storedDay(const QString &storedDate)
{
    if (storedDate.isEmpty() || !storedDate.at(0).isDigit())
        return std::nullopt;
    return RecordDate::parse(storedDate);
}

} // namespace

ChartLayout::ChartLayout(const QList<GradeRecord> &records, const QSizeF &plotSize)
    : m_scaleX(plotSize.width() / FrameTwips.width())
    , m_scaleY(plotSize.height() / FrameTwips.height())
{
    for (int j = 0; j < SlotCount; ++j)
        m_bars.append(slot(j, j < records.size() ? &records.at(j) : nullptr));
}

QRectF ChartLayout::scaledRect(double left, double top, double width, double height) const
{
    return QRectF(left * m_scaleX, top * m_scaleY, width * m_scaleX, height * m_scaleY);
}

QLineF ChartLayout::scaledLine(double x1, double y1, double x2, double y2) const
{
    return QLineF(x1 * m_scaleX, y1 * m_scaleY, x2 * m_scaleX, y2 * m_scaleY);
}

QLineF ChartLayout::verticalAxis() const
{
    return scaledLine(AxisX, AxisTop, AxisX, AxisBottom);
}

QLineF ChartLayout::baseline() const
{
    return scaledLine(LinesLeft, Baseline, LinesRight, Baseline);
}

QList<ChartLayout::GridLine> ChartLayout::gridLines() const
{
    QList<GridLine> lines;
    for (const Grid &grid : Grids)
        lines.append({grid.speed, scaledLine(LinesLeft, grid.y, LinesRight, grid.y)});
    return lines;
}

QColor ChartLayout::gridColour()
{
    return QColor(192, 192, 192);
}

QList<ChartLayout::Label> ChartLayout::axisLabels() const
{
    const auto label = [this](int speed, int y) {
        return Label {scaledRect(0, y - AxisLabelHeight / 2.0, AxisX, AxisLabelHeight),
                      QString::number(speed) + QLatin1Char('-'), Qt::AlignRight | Qt::AlignVCenter};
    };
    QList<Label> labels {label(0, Baseline)};
    for (const Grid &grid : Grids)
        labels.append(label(grid.speed, grid.y));
    return labels;
}

QRectF ChartLayout::scrollBar() const
{
    return scaledRect(570, 5850, 7935, 255);
}

QString ChartLayout::summary() const
{
    QStringList spoken;
    for (const Bar &bar : m_bars) {
        if (bar.recorded)
            spoken.append(bar.spoken);
    }
    return spoken.isEmpty() ? NoRecord : spoken.join(QStringLiteral("；"));
}

double ChartLayout::barHeight(int speed)
{
    // A broken record's negative speed would hang its bar below the baseline.
    return std::clamp(speed * TwipsPerSpeed, 0.0, HighestBar);
}

QColor ChartLayout::speedColour(int speed)
{
    if (speed <= 0)
        return QColor(0, 0, 0);
    if (speed <= 25)
        return QColor(191, 180, speed);
    if (speed <= 50)
        return QColor(speed, 183, 186);
    if (speed <= 100)
        return QColor(speed, 112, 228);
    if (speed <= 125)
        return QColor(10, speed, 5);
    if (speed <= 150)
        return QColor(52, 18, speed);
    if (speed <= 200)
        return QColor(245, speed, 7);
    return QColor(255, 0, 0);
}

QString ChartLayout::dateLabel(const QString &storedDate)
{
    const std::optional<QDate> day = storedDay(storedDate);
    return day ? storedDate + RecordDate::weekdaySuffix(*day) : storedDate;
}

ChartLayout::Bar ChartLayout::slot(int j, const GradeRecord *record) const
{
    Bar bar;
    bar.recorded = record != nullptr;
    bar.speed = record ? record->AverageSpeed : 0;
    bar.height = record ? barHeight(bar.speed) : 0;
    bar.colour = speedColour(bar.speed);

    const double left = BarLeft + BarStep * j;
    const double top = Baseline - bar.height;
    bar.bar = scaledRect(left, top, BarWidth, bar.height);
    // The shadow ends on the baseline; a bar too low for it has none.
    bar.shadow = bar.height > ShadowDrop
        ? scaledRect(left + ShadowRight, top + ShadowDrop, BarWidth, bar.height - ShadowDrop)
        : scaledRect(left + ShadowRight, Baseline, BarWidth, 0);

    const int valueWidth = j < 2 ? 390 : 420;
    bar.value = {scaledRect(ValueLefts[j], top - ValueAbove, valueWidth, ValueHeight),
                 record ? QString::number(bar.speed) : QString(), Qt::AlignCenter};
    bar.date = {scaledRect(DateLefts[j], DateTop, DateWidth, DateHeight),
                record ? dateLabel(record->Date) : NoRecord, Qt::AlignHCenter | Qt::AlignTop};

    if (record) {
        const std::optional<QDate> day = storedDay(record->Date);
        bar.spoken = (day ? RecordDate::spokenDay(*day) : record->Date.trimmed())
            + QStringLiteral(" 速度 ") + QString::number(bar.speed) + QStringLiteral(" 字/分");
    } else {
        bar.spoken = NoRecord;
    }
    return bar;
}
