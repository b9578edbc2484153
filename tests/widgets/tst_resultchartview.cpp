// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/ResultChartView.h"

#include <QAccessible>
#include <QTest>

#include <cmath>

namespace {

const QColor Ground(255, 255, 255);

GradeRecord result(int day, qint16 speed)
{
    return GradeRecord {QString("25-06-%1").arg(day, 2, 10, QChar('0')), "00:01:00", speed, speed,
                        speed, 0, "100%  "};
}

QList<GradeRecord> results(const QList<qint16> &speeds)
{
    QList<GradeRecord> records;
    for (int day = 1; day <= speeds.size(); ++day)
        records.append(result(day, speeds.at(day - 1)));
    return records;
}

// The chart as a screen of this pixel ratio shows it, on a white ground.
QImage painted(ResultChartView &chart, qreal ratio)
{
    QImage image(chart.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Ground);
    chart.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

int device(qreal logical, qreal ratio)
{
    return int(std::lround(logical * ratio));
}

} // namespace

class tst_ResultChartView : public QObject
{
    Q_OBJECT

private slots:
    void barsInSpeedColours_data();
    void barsInSpeedColours();
    void axisIsTwoPixelsWide_data();
    void axisIsTwoPixelsWide();
    void slotsWithoutRecords();
    void describesTheBars();
};

void tst_ResultChartView::barsInSpeedColours_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ordinary screen") << 1.0;
    QTest::newRow("HiDPI screen") << 2.0;
}

// Each bar is filled with its speed colour right up to its thin dark
// outline, on whole device pixels: no edge is smeared into a blend.
void tst_ResultChartView::barsInSpeedColours()
{
    QFETCH(qreal, ratio);

    ResultChartView chart;
    chart.resize(chart.sizeHint());
    QCOMPARE(chart.size(), QSize(589, 429));
    // One speed from each band of colours, the last above 200.
    const QList<qint16> speeds {20, 44, 60, 110, 140, 180, 250};
    chart.setRecords(results(speeds));
    const QImage image = painted(chart, ratio);

    const QList<QColor> colours {QColor(191, 180, 20), QColor(44, 183, 186), QColor(60, 112, 228),
                                 QColor(10, 110, 5),   QColor(52, 18, 140),  QColor(245, 180, 7),
                                 QColor(255, 0, 0)};
    const QList<ChartLayout::Bar> bars = chart.chartLayout().bars();
    for (int j = 0; j < 7; ++j) {
        const QRectF bar = bars.at(j).bar;
        const int y = device(bar.center().y(), ratio);
        const int left = device(bar.left(), ratio);
        const int right = device(bar.right(), ratio);
        const QString where = QString("slot %1").arg(j);
        QVERIFY2(bar.width() > 20 && bar.height() > 5, qPrintable(where));
        QCOMPARE(image.pixelColor(device(bar.center().x(), ratio), y), colours.at(j));
        // Left edge: outline, then the fill at once.
        const int thin = device(1, ratio);
        QCOMPARE(image.pixelColor(left + thin - 1, y), QColor(64, 64, 64));
        QCOMPARE(image.pixelColor(left + thin, y), colours.at(j));
        QCOMPARE(image.pixelColor(right - thin - 1, y), colours.at(j));
        // Top edge likewise, though the bar's top falls between pixels.
        const int x = device(bar.center().x(), ratio);
        const int top = device(bar.top(), ratio);
        QCOMPARE(image.pixelColor(x, top + thin - 1), QColor(64, 64, 64));
        QCOMPARE(image.pixelColor(x, top + thin), colours.at(j));
        // Beside the bar: the grey outline of its shadow, lower and to the right.
        const QRectF shadow = bars.at(j).shadow;
        QCOMPARE(image.pixelColor(device(shadow.right(), ratio) - 1, y), QColor(128, 128, 128));
    }
    // Scaled to the widget: the tallest bar stops at the height of 200, 4365 twips.
    QCOMPARE(bars.at(6).bar.height(), 291.0);
}

void tst_ResultChartView::axisIsTwoPixelsWide_data()
{
    barsInSpeedColours_data();
}

void tst_ResultChartView::axisIsTwoPixelsWide()
{
    QFETCH(qreal, ratio);

    ResultChartView chart;
    chart.resize(chart.sizeHint());
    const QImage image = painted(chart, ratio);
    const QColor ink = chart.palette().color(QPalette::WindowText);

    // Across the vertical axis, halfway between two grid lines.
    const QLineF axis = chart.chartLayout().verticalAxis();
    const int y = device(230, ratio);
    int inked = 0;
    for (int x = device(axis.x1() - 4, ratio); x < device(axis.x1() + 4, ratio); ++x)
        inked += image.pixelColor(x, y) == ink ? 1 : 0;
    QCOMPARE(inked, device(2, ratio));

    // Down through the baseline and a thin grid line, beside the bars.
    const int x = device(chart.chartLayout().baseline().x2() - 2, ratio);
    inked = 0;
    int grey = 0;
    for (int row = device(300, ratio); row < device(365, ratio); ++row) {
        inked += image.pixelColor(x, row) == ink ? 1 : 0;
        grey += image.pixelColor(x, row) == QColor(192, 192, 192) ? 1 : 0;
    }
    QCOMPARE(inked, device(2, ratio));
    QCOMPARE(grey, device(1, ratio)); // the line of speed 25
}

void tst_ResultChartView::slotsWithoutRecords()
{
    ResultChartView chart;
    chart.resize(chart.sizeHint());
    chart.setRecords(results({48, 60}));
    chart.setRecords({});
    const QImage image = painted(chart, 1);

    // Nothing but the ground and the grid where the bars were.
    const ChartLayout layout = chart.chartLayout();
    for (const ChartLayout::Bar &bar : layout.bars()) {
        QCOMPARE(bar.date.text, QStringLiteral("无记录"));
        const QPoint inside(device(bar.bar.center().x(), 1), device(330, 1));
        QCOMPARE(image.pixelColor(inside), Ground);
    }
    QCOMPARE(chart.accessibleDescription(), QStringLiteral("无记录"));
}

void tst_ResultChartView::describesTheBars()
{
    ResultChartView chart;
    chart.setRecords(results({48, 0, 5, 6, 7, 8, 9, 10}));
    // The eighth record has no slot.
    QCOMPARE(chart.records().size(), 7);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&chart);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("平均字数柱状图"));
    const QString description = accessible->text(QAccessible::Description);
    QVERIFY2(description.startsWith(QStringLiteral("6月1日 星期日 速度 48 字/分；6月2日 星期一 速度 0 字/分；")),
             qPrintable(description));
    QVERIFY2(description.endsWith(QStringLiteral("6月7日 星期六 速度 9 字/分")), qPrintable(description));
}

QTEST_MAIN(tst_ResultChartView)
#include "tst_resultchartview.moc"
