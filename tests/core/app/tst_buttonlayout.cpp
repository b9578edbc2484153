// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/ButtonColors.h"
#include "core/app/ButtonLayout.h"

#include <QTest>

using ButtonLayout::PicturePosition;

Q_DECLARE_METATYPE(PicturePosition)

class tst_ButtonLayout : public QObject
{
    Q_OBJECT

private slots:
    void innerRect();
    void place_data();
    void place();
    void pictureBox_data();
    void pictureBox();
    void roundedRegion_data();
    void roundedRegion();
    void xpDefaultColours();
    void disabledCaption_data();
    void disabledCaption();
    void gradientLine_data();
    void gradientLine();
};

void tst_ButtonLayout::innerRect()
{
    QCOMPARE(ButtonLayout::innerRect({80, 30}), QRect(4, 4, 72, 22));
    // right = width - 1 - 3, bottom = height - 1 - 3
    QCOMPARE(ButtonLayout::innerRect({80, 30}).bottomRight(), QPoint(75, 25));
    QVERIFY(ButtonLayout::innerRect({8, 8}).isEmpty());
}

void tst_ButtonLayout::place_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("caption");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<PicturePosition>("position");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QRect>("pictureAt");
    QTest::addColumn<QRect>("captionAt");

    // Inner rectangle of 80 by 30: (4, 4) to (75, 25); of 80 by 60: (4, 4) to (75, 55).
    const QSize caption(30, 12);
    const QSize picture(16, 16);
    QTest::newRow("caption alone is centred")
        << QSize(80, 30) << caption << QSize() << PicturePosition::Left << false << QRect() << QRect(25, 9, 30, 12);
    QTest::newRow("picture alone is centred")
        << QSize(80, 30) << QSize() << picture << PicturePosition::Left << false << QRect(32, 7, 16, 16) << QRect();
    QTest::newRow("picture left of the caption")
        << QSize(80, 30) << caption << picture << PicturePosition::Left << false << QRect(15, 7, 16, 16)
        << QRect(35, 9, 30, 12);
    QTest::newRow("picture right of the caption")
        << QSize(80, 30) << caption << picture << PicturePosition::Right << false << QRect(49, 7, 16, 16)
        << QRect(15, 9, 30, 12);
    QTest::newRow("picture above the caption")
        << QSize(80, 60) << caption << picture << PicturePosition::Above << false << QRect(32, 14, 16, 16)
        << QRect(25, 34, 30, 12);
    QTest::newRow("picture below the caption")
        << QSize(80, 60) << caption << picture << PicturePosition::Below << false << QRect(32, 30, 16, 16)
        << QRect(25, 14, 30, 12);
    QTest::newRow("pressed moves both one pixel right and down")
        << QSize(80, 30) << caption << picture << PicturePosition::Left << true << QRect(16, 8, 16, 16)
        << QRect(36, 10, 30, 12);
    QTest::newRow("pressed caption alone")
        << QSize(80, 30) << caption << QSize() << PicturePosition::Left << true << QRect() << QRect(26, 10, 30, 12);
    QTest::newRow("a group wider than the button stays centred")
        << QSize(80, 30) << QSize(70, 12) << picture << PicturePosition::Left << false << QRect(-5, 7, 16, 16)
        << QRect(15, 9, 70, 12);
    QTest::newRow("nothing to place")
        << QSize(80, 30) << QSize() << QSize() << PicturePosition::Left << true << QRect() << QRect();
}

void tst_ButtonLayout::place()
{
    QFETCH(QSize, client);
    QFETCH(QSize, caption);
    QFETCH(QSize, picture);
    QFETCH(PicturePosition, position);
    QFETCH(bool, pressed);
    QFETCH(QRect, pictureAt);
    QFETCH(QRect, captionAt);

    const ButtonLayout::Places places = ButtonLayout::place(client, caption, picture, position, pressed);
    QCOMPARE(places.picture, pictureAt);
    QCOMPARE(places.caption, captionAt);
}

void tst_ButtonLayout::pictureBox_data()
{
    QTest::addColumn<int>("pictureSize");
    QTest::addColumn<bool>("hasPicture");
    QTest::addColumn<QSize>("box");

    // Dimensions set 24 by 24; the picture's own size 20 by 10.
    QTest::newRow("0: small") << 0 << true << QSize(16, 16);
    QTest::newRow("1: large") << 1 << true << QSize(32, 32);
    QTest::newRow("2: the picture's own size") << 2 << true << QSize(20, 10);
    QTest::newRow("2 without a picture") << 2 << false << QSize(32, 32);
    QTest::newRow("3 keeps the dimensions set") << 3 << true << QSize(24, 24);
    QTest::newRow("-1 keeps the dimensions set") << -1 << false << QSize(24, 24);
}

void tst_ButtonLayout::pictureBox()
{
    QFETCH(int, pictureSize);
    QFETCH(bool, hasPicture);
    QFETCH(QSize, box);
    QCOMPARE(ButtonLayout::pictureBox(pictureSize, {24, 24}, {20, 10}, hasPicture), box);
}

void tst_ButtonLayout::roundedRegion_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inside");

    // A 10 by 6 button.
    const QList<QPoint> cut = {{0, 0}, {1, 0}, {0, 1}, {9, 0}, {8, 0}, {9, 1},
                               {0, 5}, {1, 5}, {0, 4}, {9, 5}, {8, 5}, {9, 4}};
    for (const QPoint &pixel : cut)
        QTest::addRow("corner pixel %d,%d is cut", pixel.x(), pixel.y()) << pixel << false;
    const QList<QPoint> kept = {{2, 0}, {7, 0}, {1, 1}, {8, 1}, {0, 2}, {9, 3}, {1, 4}, {2, 5}, {5, 3}};
    for (const QPoint &pixel : kept)
        QTest::addRow("pixel %d,%d stays", pixel.x(), pixel.y()) << pixel << true;
}

void tst_ButtonLayout::roundedRegion()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, inside);
    const QRegion region = ButtonLayout::roundedRegion({10, 6});
    QCOMPARE(region.contains(pixel), inside);
    int area = 0;
    for (const QRect &part : region)
        area += part.width() * part.height();
    QCOMPARE(area, 10 * 6 - 12);
}

void tst_ButtonLayout::xpDefaultColours()
{
    QCOMPARE(ButtonColors::xpDefaultHover(QColor(10, 20, 30)), QColor(181, 174, 138));
    QCOMPARE(ButtonColors::xpDefaultPressed(QColor(10, 20, 30)), QColor(166, 159, 138));
    // Each component is limited to 255.
    QCOMPARE(ButtonColors::xpDefaultHover(QColor(0, 120, 215)), QColor(171, 255, 255));
    QCOMPARE(ButtonColors::xpDefaultPressed(QColor(200, 120, 100)), QColor(255, 255, 208));
}

void tst_ButtonLayout::disabledCaption_data()
{
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("shadow");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("shownShadow");
    QTest::addColumn<QColor>("shownHighlight");

    // The system's colours stand out from a grey face: kept.
    QTest::newRow("grey face") << QColor(236, 233, 216) << QColor(113, 111, 100) << QColor(Qt::white)
                               << QColor(113, 111, 100) << QColor(Qt::white);
    // A skin's yellow button with a light shadow: a dark shade of the yellow.
    QTest::newRow("yellow face") << QColor(255, 255, 0) << QColor(230, 230, 230) << QColor(Qt::white)
                                 << QColor(255, 255, 0).darker(200) << QColor(Qt::white);
    // A black button with a black shadow: light grey over black.
    QTest::newRow("black face") << QColor(Qt::black) << QColor(20, 20, 20) << QColor(Qt::white)
                                << QColor(170, 170, 170) << QColor(Qt::black);
}

void tst_ButtonLayout::disabledCaption()
{
    QFETCH(QColor, face);
    QFETCH(QColor, shadow);
    QFETCH(QColor, highlight);
    QFETCH(QColor, shownShadow);
    QFETCH(QColor, shownHighlight);
    QCOMPARE(ButtonColors::disabledCaption(face, shadow, highlight),
             (ButtonColors::Emboss{shownShadow, shownHighlight}));
}

void tst_ButtonLayout::gradientLine_data()
{
    QTest::addColumn<QColor>("face");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("colour");

    const QColor grey(200, 200, 200);
    QTest::newRow("bottom line is the face") << grey << 0 << 25 << false << grey;
    QTest::newRow("25 over 25 lines: one a line") << grey << 10 << 25 << false << QColor(190, 190, 190);
    QTest::newRow("top line of 25") << grey << 24 << 25 << false << QColor(176, 176, 176);
    QTest::newRow("50 lines: half a step, cut") << grey << 3 << 50 << false << QColor(199, 199, 199);
    QTest::newRow("pressed: 15 over the height") << grey << 24 << 25 << true << QColor(186, 186, 186);
    QTest::newRow("each component on its own") << QColor(250, 100, 20) << 24 << 25 << false
                                               << QColor(226, 76, 0);
    QTest::newRow("no height") << grey << 3 << 0 << false << grey;
}

void tst_ButtonLayout::gradientLine()
{
    QFETCH(QColor, face);
    QFETCH(int, line);
    QFETCH(int, height);
    QFETCH(bool, pressed);
    QFETCH(QColor, colour);
    QCOMPARE(ButtonColors::gradientLine(face, line, height, pressed), colour);
}

QTEST_GUILESS_MAIN(tst_ButtonLayout)
#include "tst_buttonlayout.moc"
