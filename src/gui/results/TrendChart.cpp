// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/TrendChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <functional>

namespace {

struct Line
{
    QString caption;
    std::function<std::optional<double>(const DailyTrend::Point &)> value;
    QColor colour;
};

const std::array<Line, 3> &lines()
{
    static const std::array<Line, 3> all{{
        {QStringLiteral("字/分"), [](const DailyTrend::Point &p) { return p.perMinute; }, QColor(31, 96, 200)},
        {QStringLiteral("击键"), [](const DailyTrend::Point &p) { return p.keysPerSecond; }, QColor(44, 160, 44)},
        {QStringLiteral("码长"), [](const DailyTrend::Point &p) { return p.codeLength; }, QColor(214, 120, 20)},
    }};
    return all;
}

constexpr int captionWidth = 48;

} // namespace

TrendChart::TrendChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("trends"));
    setAccessibleName(QStringLiteral("每日趋势"));
    setAccessibleDescription(m_trend.text());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TrendChart::setTrend(const DailyTrend &trend)
{
    m_trend = trend;
    setAccessibleDescription(m_trend.text());
    update();
}

QSize TrendChart::sizeHint() const
{
    return {560, 150};
}

void TrendChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<DailyTrend::Point> &points = m_trend.points();
    const int bandHeight = (height() - 14) / int(lines().size()); // the dates below
    const QColor ink = palette().color(QPalette::WindowText);
    for (std::size_t n = 0; n < lines().size(); ++n) {
        const Line &line = lines().at(n);
        const QRectF band(captionWidth, bandHeight * double(n) + 4, width() - captionWidth - 8, bandHeight - 8);
        painter.setPen(ink);
        double highest = 0;
        for (const DailyTrend::Point &point : points)
            highest = std::max(highest, line.value(point).value_or(0));
        painter.drawText(QRectF(0, band.top(), captionWidth - 4, band.height()), Qt::AlignRight | Qt::AlignVCenter,
                         line.caption + QStringLiteral("\n") + QString::number(highest, 'f', 1));
        painter.setPen(QColor(200, 200, 200));
        painter.drawLine(band.bottomLeft(), band.bottomRight());
        if (points.isEmpty() || highest <= 0)
            continue;

        // A day without the figure breaks the line instead of dropping to zero.
        const double step = points.size() > 1 ? band.width() / double(points.size() - 1) : 0;
        QPainterPath path;
        bool drawing = false;
        painter.setPen(QPen(line.colour, 2));
        painter.setBrush(line.colour);
        for (qsizetype day = 0; day < points.size(); ++day) {
            const std::optional<double> value = line.value(points.at(day));
            if (!value) {
                drawing = false;
                continue;
            }
            const QPointF at(band.left() + step * double(day), band.bottom() - band.height() * (*value / highest));
            if (drawing)
                path.lineTo(at);
            else
                path.moveTo(at);
            drawing = true;
            painter.drawEllipse(at, 2.5, 2.5);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    if (!points.isEmpty()) {
        painter.setPen(ink);
        painter.drawText(QRectF(captionWidth, height() - 14, width() - captionWidth - 8, 14), Qt::AlignLeft,
                         points.front().day.toString(QStringLiteral("MM-dd")));
        painter.drawText(QRectF(captionWidth, height() - 14, width() - captionWidth - 8, 14), Qt::AlignRight,
                         points.back().day.toString(QStringLiteral("MM-dd")));
    }
}
