// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/WubiKeyLayout.h"
#include "widgets/WubiKeyboard.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

namespace {

QImage deviceImage(const QPixmap &pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

bool isDotRed(const QColor &colour)
{
    return colour.red() >= 180 && colour.green() <= 80 && colour.blue() <= 80;
}

// A point inside a dot's circle and clear of its digit: a quarter in from
// the circle's left edge, half way down. Circles are 17 pixels across.
QPoint dotPoint(const QPoint &circleTwips)
{
    return QPoint(qRound(circleTwips.x() / 15.0) + 4, qRound(circleTwips.y() / 15.0) + 8);
}

// The four places the dots of aaaa take, in twips.
const QList<QPoint> aPlaces = {{900, 1480}, {900, 910}, {330, 910}, {330, 1480}};

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(text) : QStringLiteral("<no interface>");
}

} // namespace

class tst_WubiKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void fixedSizeWithoutFocus();
    void dotsAreShownAndHidden();
    void onlyPlacedDotsAreShown_data();
    void onlyPlacedDotsAreShown();
    void clicks_data();
    void clicks();
    void keysShowTheirZonesAndRadicals();
    void pictureIsDrawnAtTheDeviceRatio();
};

void tst_WubiKeyboard::fixedSizeWithoutFocus()
{
    WubiKeyboard keyboard;
    QCOMPARE(keyboard.minimumSize(), QSize(583, 175));
    QCOMPARE(keyboard.maximumSize(), QSize(583, 175));
    QCOMPARE(keyboard.sizeHint(), QSize(583, 175));
    QCOMPARE(keyboard.focusPolicy(), Qt::NoFocus);
    QCOMPARE(accessibleText(&keyboard, QAccessible::Name), QStringLiteral("五笔字根键盘"));
    QCOMPARE(accessibleText(&keyboard, QAccessible::Description), QStringLiteral("未标出字根键"));
}

// aaaa puts red dots on all four corners of the A key; hiding them gives the
// key its face back, and the screen reader follows along.
void tst_WubiKeyboard::dotsAreShownAndHidden()
{
    WubiKeyboard keyboard;
    const QImage blank = deviceImage(keyboard.grab());

    keyboard.load_wbm(QStringLiteral("aaaa"));
    QCOMPARE(keyboard.marks().dot(3).circle, QPoint(330, 910));
    QCOMPARE(accessibleText(&keyboard, QAccessible::Description), QStringLiteral("1 A 2 A 3 A 4 A"));
    QImage shown = deviceImage(keyboard.grab());
    for (const QPoint &place : aPlaces) {
        QVERIFY2(isDotRed(shown.pixelColor(dotPoint(place))), qPrintable(shown.pixelColor(dotPoint(place)).name()));
        QVERIFY(!isDotRed(blank.pixelColor(dotPoint(place))));
    }

    keyboard.conceal_wbm();
    QCOMPARE(accessibleText(&keyboard, QAccessible::Description), QStringLiteral("未标出字根键"));
    shown = deviceImage(keyboard.grab());
    for (const QPoint &place : aPlaces)
        QVERIFY(!isDotRed(shown.pixelColor(dotPoint(place))));
    QVERIFY(shown == blank);
}

// Dots left hidden -- by a short code or a letter without a key -- are not
// painted anywhere; the picture differs from the blank one only round the
// placed dots.
void tst_WubiKeyboard::onlyPlacedDotsAreShown_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QList<QPoint>>("places");
    QTest::addColumn<QString>("description");

    QTest::newRow("khlg") << "khlg"
                          << QList<QPoint>{{6570, 1480}, {4950, 1480}, {7380, 1480}, {4140, 1480}}
                          << "1 K 2 H 3 L 4 G";
    QTest::newRow("two letters") << "QM" << QList<QPoint>{{750, 660}, {5910, 2300}} << "1 Q 2 M";
    QTest::newRow("with z") << "pzx" << QList<QPoint>{{8040, 660}, {1860, 2300}} << "1 P 3 X";
    QTest::newRow("nothing with a key") << "z1;" << QList<QPoint>{} << QStringLiteral("未标出字根键");
}

void tst_WubiKeyboard::onlyPlacedDotsAreShown()
{
    QFETCH(QString, code);
    QFETCH(QList<QPoint>, places);
    QFETCH(QString, description);

    WubiKeyboard keyboard;
    const QImage blank = deviceImage(keyboard.grab());
    keyboard.load_wbm(code);
    const QImage shown = deviceImage(keyboard.grab());
    QCOMPARE(accessibleText(&keyboard, QAccessible::Description), description);

    QRegion dots;
    for (const QPoint &place : places) {
        QVERIFY(isDotRed(shown.pixelColor(dotPoint(place))));
        dots += QRect(qRound(place.x() / 15.0) - 1, qRound(place.y() / 15.0) - 1, 19, 19);
    }
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (!dots.contains(QPoint(x, y)) && shown.pixel(x, y) != blank.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
        }
    }
}

void tst_WubiKeyboard::clicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left click") << Qt::LeftButton << QPoint(100, 80) << 1;
    QTest::newRow("right click") << Qt::RightButton << QPoint(100, 80) << 0;
    QTest::newRow("left press released outside") << Qt::LeftButton << QPoint(600, 80) << 0;
}

void tst_WubiKeyboard::clicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);

    WubiKeyboard keyboard;
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    QSignalSpy clicked(&keyboard, &WubiKeyboard::clicked);
    QTest::mousePress(&keyboard, button, Qt::NoModifier, QPoint(100, 80));
    QTest::mouseRelease(&keyboard, button, Qt::NoModifier, releaseAt);
    QCOMPARE(clicked.count(), clicks);
}

// Letter keys show their zone's tint and dark radical ink; the pictures of a
// key stay clear of the corner where its first dot goes (a small radical
// beside it may reach two pixels in).
void tst_WubiKeyboard::keysShowTheirZonesAndRadicals()
{
    const QImage picture = deviceImage(WubiKeyboard::keyMapPicture(1));
    for (const WubiKeyLayout::Key &key : WubiKeyLayout::keys()) {
        if (!key.anchor)
            continue;
        const QColor tint = WubiKeyLayout::zoneColour(key.zone);
        const QRect dotCorner(qRound(key.anchor->x() / 15.0), qRound(key.anchor->y() / 15.0), 17, 17);
        int tinted = 0;
        int inked = 0;
        for (int y = key.rect.top(); y <= key.rect.bottom(); ++y) {
            for (int x = key.rect.left(); x <= key.rect.right(); ++x) {
                const QColor colour = picture.pixelColor(x, y);
                if (colour == tint)
                    ++tinted;
                else if (colour.lightness() < 100 && key.rect.adjusted(3, 3, -3, -6).contains(x, y)) {
                    ++inked;
                    QVERIFY2(!dotCorner.adjusted(2, 2, 0, 0).contains(x, y),
                             qPrintable(QStringLiteral("%1 inked at %2,%3").arg(key.label).arg(x).arg(y)));
                }
            }
        }
        QVERIFY2(tinted > key.rect.width() * key.rect.height() / 3, qPrintable(key.label));
        QVERIFY2(inked > 20, qPrintable(key.label));
    }
}

void tst_WubiKeyboard::pictureIsDrawnAtTheDeviceRatio()
{
    const QPixmap picture = WubiKeyboard::keyMapPicture(2);
    QCOMPARE(picture.size(), QSize(1166, 350));
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    const WubiKeyLayout::Key *g = WubiKeyLayout::keyFor(u"g");
    const QPoint face = (g->rect.bottomLeft() + QPoint(4, -8)) * 2;
    QCOMPARE(deviceImage(picture).pixelColor(face), WubiKeyLayout::zoneColour(WubiKeyLayout::Zone::Horizontal));
}

QTEST_MAIN(tst_WubiKeyboard)
#include "tst_wubikeyboard.moc"
