// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/ResultChartView.h"

#include "core/platform/Twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor Outline(64, 64, 64);
const QColor ShadowOutline(128, 128, 128);
constexpr int ValueFontPixels = 12; // at the chart's own size
constexpr int SmallFontPixels = 11; // axis and date labels
constexpr double DateLabelTwips = 765;
constexpr double DateRoomTwips = 1065; // the slot's step less a small gap

// Edges on whole device pixels, so that lines and bar edges stay sharp at
// any pixel ratio instead of smearing over two pixels.
class DeviceGrid
{
public:
    explicit DeviceGrid(qreal ratio) : m_ratio(ratio) {}

    qreal snap(qreal logical) const { return std::round(logical * m_ratio) / m_ratio; }

    QRectF snap(const QRectF &rect) const
    {
        return QRectF(QPointF(snap(rect.left()), snap(rect.top())),
                      QPointF(snap(rect.right()), snap(rect.bottom())));
    }

    // A band of the given width in logical pixels, at least one device pixel.
    qreal thickness(qreal logical) const { return std::max(snap(logical), 1 / m_ratio); }

private:
    qreal m_ratio;
};

// A thin outline drawn as four bands, each on whole device pixels.
void outline(QPainter &painter, const QRectF &rect, qreal thin, const QColor &colour)
{
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), thin), colour);
    painter.fillRect(QRectF(rect.left(), rect.bottom() - thin, rect.width(), thin), colour);
    painter.fillRect(QRectF(rect.left(), rect.top(), thin, rect.height()), colour);
    painter.fillRect(QRectF(rect.right() - thin, rect.top(), thin, rect.height()), colour);
}

QFont pixelFont(const QFont &base, qreal pixels)
{
    QFont font = base;
    font.setPixelSize(std::max(8, int(std::lround(pixels))));
    return font;
}

} // namespace

ResultChartView::ResultChartView(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(QStringLiteral("平均字数柱状图"));
    setAccessibleDescription(ChartLayout({}).summary());
    setFocusPolicy(Qt::NoFocus);
}

void ResultChartView::setRecords(const QList<GradeRecord> &records)
{
    const QList<GradeRecord> shown = records.mid(0, ChartLayout::SlotCount);
    if (shown == m_records)
        return;
    m_records = shown;
    setAccessibleDescription(ChartLayout(m_records).summary());
    update();
}

ChartLayout ResultChartView::chartLayout() const
{
    return ChartLayout(m_records, QSizeF(size()));
}

QSize ResultChartView::sizeHint() const
{
    return {Twips::toPixels(ChartLayout::FrameTwips.width()),
            Twips::toPixels(ChartLayout::FrameTwips.height())};
}

void ResultChartView::paintEvent(QPaintEvent *)
{
    const ChartLayout chart = chartLayout();
    const qreal scale = std::min(width() / qreal(sizeHint().width()),
                                 height() / qreal(sizeHint().height()));
    QPainter painter(this);
    // Device pixels per logical one: the widget's devicePixelRatioF() on the
    // screen, the picture's ratio when the chart is rendered into one.
    const DeviceGrid grid(painter.deviceTransform().m11());

    const qreal thin = grid.thickness(1);
    for (const ChartLayout::GridLine &line : chart.gridLines()) {
        painter.fillRect(grid.snap(QRectF(line.line.x1(), line.line.y1() - thin / 2,
                                          line.line.dx(), thin)),
                         ChartLayout::gridColour());
    }

    // Shadows first: each bar covers the part of its shadow behind it.
    for (const ChartLayout::Bar &bar : chart.bars()) {
        if (bar.shadow.height() > 0)
            outline(painter, grid.snap(bar.shadow), thin, ShadowOutline);
    }
    for (const ChartLayout::Bar &bar : chart.bars()) {
        if (bar.bar.height() <= 0)
            continue;
        const QRectF face = grid.snap(bar.bar);
        painter.fillRect(face, bar.colour);
        outline(painter, face, thin, Outline);
    }

    const QColor ink = palette().color(QPalette::WindowText);
    const qreal axisWidth = grid.thickness(ChartLayout::AxisPenPixels);
    const QLineF axis = chart.verticalAxis();
    painter.fillRect(grid.snap(QRectF(axis.x1() - axisWidth / 2, axis.y1(), axisWidth, axis.dy())),
                     ink);
    const QLineF base = chart.baseline();
    painter.fillRect(grid.snap(QRectF(base.x1(), base.y1() - axisWidth / 2, base.dx(), axisWidth)),
                     ink);

    painter.setPen(ink);
    painter.setFont(pixelFont(font(), SmallFontPixels * scale));
    for (const ChartLayout::Label &label : chart.axisLabels())
        painter.drawText(label.rect, int(label.alignment) | Qt::TextDontClip, label.text);

    // The date labels are narrower than their texts: the weekday goes to a
    // second line, and the text may reach past the label's sides.
    for (const ChartLayout::Bar &bar : chart.bars()) {
        const QRectF date = bar.date.rect;
        const qreal wider = date.width() * (DateRoomTwips - DateLabelTwips) / (2 * DateLabelTwips);
        QString text = bar.date.text;
        if (const qsizetype gap = text.indexOf(QLatin1Char(' ')); gap > 0)
            text[gap] = QLatin1Char('\n');
        painter.drawText(date.adjusted(-wider, 0, wider, 0),
                         int(bar.date.alignment) | Qt::TextDontClip, text);
    }

    QFont valueFont = pixelFont(font(), ValueFontPixels * scale);
    valueFont.setBold(true);
    painter.setFont(valueFont);
    for (const ChartLayout::Bar &bar : chart.bars()) {
        if (!bar.value.text.isEmpty())
            painter.drawText(bar.value.rect, int(bar.value.alignment) | Qt::TextDontClip,
                             bar.value.text);
    }
}
