// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/RadicalAnalysisStrip.h"

#include <QLabel>
#include <QTest>

namespace {

// Pixels of picture n that are not the picture box's ground.
int inkedPixels(RadicalAnalysisStrip &strip, int n)
{
    const QImage image = strip.grab().toImage();
    const QColor ground = strip.palette().color(QPalette::Base);
    const QRect box = RadicalAnalysisStrip::pictureRect(n);
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.pixelColor(x, y) != ground ? 1 : 0;
    }
    return count;
}

} // namespace

class tst_RadicalAnalysisStrip : public QObject
{
    Q_OBJECT

private slots:
    void keepsItsSize();
    void layout();
    void showsTheAnalysis();
    void emptyTextKeepsTheMessage();
    void picturesShowInk();
};

void tst_RadicalAnalysisStrip::keepsItsSize()
{
    RadicalAnalysisStrip strip;
    // 3,705 x 345 twips.
    QCOMPARE(strip.size(), QSize(247, 23));
    strip.resize(400, 60);
    QCOMPARE(strip.size(), QSize(247, 23));
    QCOMPARE(strip.sizeHint(), QSize(247, 23));
}

void tst_RadicalAnalysisStrip::layout()
{
    RadicalAnalysisStrip strip;
    strip.WBZGDemand(QStringLiteral("式"));
    auto *message = strip.findChild<QLabel *>(QStringLiteral("message"));
    QVERIFY(message);

    QCOMPARE(message->x(), 36);
    // The longest message ends before the caption "字根：" at 128 pixels.
    QVERIFY(message->geometry().right() < 128);
    QVERIFY(message->y() >= 0);
    QVERIFY(message->geometry().bottom() < strip.height());
    QCOMPARE(message->palette().color(QPalette::WindowText), QColor(Qt::red));

    const QList<int> lefts{158, 180, 202, 224};
    const QList<QLabel *> labels = strip.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 3);
    for (int n = 0; n < 4; ++n) {
        const QRect box = RadicalAnalysisStrip::pictureRect(n);
        QCOMPARE(box.left(), lefts.at(n));
        QCOMPARE(box.size(), QSize(21, 17));
        QVERIFY(strip.contentsRect().contains(box));
        // A label that paints its background must not hide a picture.
        for (const QLabel *label : labels)
            QVERIFY2(!label->geometry().intersects(box), qPrintable(label->text()));
    }
}

void tst_RadicalAnalysisStrip::showsTheAnalysis()
{
    RadicalAnalysisStrip strip;
    QCOMPARE(strip.accessibleName(), QStringLiteral("五笔字根分析"));
    auto *message = strip.findChild<QLabel *>(QStringLiteral("message"));
    QVERIFY(message);

    strip.WBZGDemand(QStringLiteral("匿"));
    QCOMPARE(strip.message(), QStringLiteral("匿"));
    QCOMPARE(message->text(), QStringLiteral("匿"));
    QCOMPARE(message->accessibleName(), QStringLiteral("匿"));
    QCOMPARE(strip.cells(), (std::array<int, 4>{3, 2, 38, 100}));
    QCOMPARE(strip.accessibleDescription(), QStringLiteral("匿：匚 艹 ナ 口"));

    strip.WBZGDemand(QStringLiteral("一样"));
    QCOMPARE(message->text(), QStringLiteral("二字词组！"));
    QCOMPARE(strip.cells(), (std::array<int, 4>{-1, -1, 180, 207}));
    QCOMPARE(strip.accessibleDescription(), QStringLiteral("二字词组！ 字根：木 丷"));
}

void tst_RadicalAnalysisStrip::emptyTextKeepsTheMessage()
{
    RadicalAnalysisStrip strip;
    strip.WBZGDemand(QStringLiteral("式"));
    strip.WBZGDemand(QString());
    QCOMPARE(strip.message(), QStringLiteral("该字为二级简码！"));
    QCOMPARE(strip.findChild<QLabel *>(QStringLiteral("message"))->text(), QStringLiteral("该字为二级简码！"));
    QCOMPARE(strip.cells(), (std::array<int, 4>{-1, -1, -1, -1}));
    QCOMPARE(strip.accessibleDescription(), QStringLiteral("该字为二级简码！"));
}

void tst_RadicalAnalysisStrip::picturesShowInk()
{
    RadicalAnalysisStrip strip;
    strip.WBZGDemand(QStringLiteral("匿"));
    for (int n = 0; n < 4; ++n)
        QVERIFY2(inkedPixels(strip, n) > 10, qPrintable(QString::number(n)));

    strip.WBZGDemand(QStringLiteral("工"));
    for (int n = 0; n < 4; ++n)
        QCOMPARE(inkedPixels(strip, n), 0);

    strip.WBZGDemand(QStringLiteral("戒"));
    QVERIFY(inkedPixels(strip, 1) > 10);
    QCOMPARE(inkedPixels(strip, 2), 0);
}

QTEST_MAIN(tst_RadicalAnalysisStrip)
#include "tst_radicalanalysisstrip.moc"
