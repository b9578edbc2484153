// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/keyboard/Finger.h"
#include "widgets/OnScreenKeyboard.h"

#include <QAccessible>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

// Stands for a call of conceal() in a sequence of marked texts.
const QString concealStep = QStringLiteral("<conceal>");

QImage deviceImage(const QPixmap &pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

QRect deviceRect(const QRect &rect, qreal ratio)
{
    return QRect(rect.topLeft() * ratio, rect.size() * ratio);
}

// What the control must show: the keyboard picture with exactly the cell of
// the marked key taken from the highlight picture.
QImage expectedImage(const QRect &marked, qreal ratio)
{
    QImage image = deviceImage(OnScreenKeyboard::keyboardPicture(ratio));
    if (!marked.isNull()) {
        QPainter painter(&image);
        const QRect cell = deviceRect(marked, ratio);
        painter.drawImage(cell, deviceImage(OnScreenKeyboard::highlightPicture(ratio)), cell);
    }
    return image;
}

// A point on the face of a key, clear of its labels.
QPoint facePoint(const QRect &cell)
{
    return QPoint(cell.left() + 6, cell.center().y());
}

} // namespace

class tst_OnScreenKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void showsTheMarkedKey_data();
    void showsTheMarkedKey();
    void clicks_data();
    void clicks();
    void picturesAreDrawnAtTheDeviceRatio();
};

void tst_OnScreenKeyboard::showsTheMarkedKey_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QRect>("marked"); // null: nothing marked
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("description");

    const QColor yellow = fingerColour(Finger::Little);
    const QColor green = fingerColour(Finger::Ring);
    const QColor pink = fingerColour(Finger::Middle);
    const QColor blue = fingerColour(Finger::Index);

    QTest::newRow("nothing marked at first")
        << QStringList{} << QRect() << QColor() << QStringLiteral("未标出下一个键");
    QTest::newRow("upper-case A in yellow")
        << QStringList{"A"} << QRect(70, 70, 40, 35) << yellow << QStringLiteral("下一个键：A（左手小指）");
    QTest::newRow("lower-case a in yellow")
        << QStringList{"a"} << QRect(70, 70, 40, 35) << yellow << QStringLiteral("下一个键：A（左手小指）");
    QTest::newRow("! on the 1 key")
        << QStringList{"!"} << QRect(40, 0, 40, 35) << yellow << QStringLiteral("下一个键：1（左手小指）");
    QTest::newRow("{ on the [ key")
        << QStringList{"{"} << QRect(460, 35, 40, 35) << yellow << QStringLiteral("下一个键：[（右手小指）");
    QTest::newRow("2 in green")
        << QStringList{"2"} << QRect(80, 0, 40, 35) << green << QStringLiteral("下一个键：2（左手无名指）");
    QTest::newRow("k in pink")
        << QStringList{"k"} << QRect(350, 70, 40, 35) << pink << QStringLiteral("下一个键：K（右手中指）");
    // The bottom rows are where a marker placed 34 2/3 pixels per row would
    // slip off its key.
    QTest::newRow("m on the fourth row in blue")
        << QStringList{"m"} << QRect(330, 105, 40, 35) << blue << QStringLiteral("下一个键：M（右手食指）");
    QTest::newRow("space bar in blue, 220 wide")
        << QStringList{" "} << QRect(180, 140, 220, 35) << blue << QStringLiteral("下一个键：空格（拇指）");
    QTest::newRow("Chinese character keeps the mark")
        << QStringList{"s", QStringLiteral("中")} << QRect(110, 70, 40, 35) << green
        << QStringLiteral("下一个键：S（左手无名指）");
    QTest::newRow("tab and empty text keep the mark")
        << QStringList{"f", "\t", ""} << QRect(190, 70, 40, 35) << blue
        << QStringLiteral("下一个键：F（左手食指）");
    QTest::newRow("conceal hides the mark")
        << QStringList{"a", concealStep} << QRect() << QColor() << QStringLiteral("未标出下一个键");
    QTest::newRow("no key after conceal stays hidden")
        << QStringList{"a", concealStep, QStringLiteral("中")} << QRect() << QColor()
        << QStringLiteral("未标出下一个键");
    QTest::newRow("next key after conceal shows the mark again")
        << QStringList{"a", concealStep, "/"} << QRect(450, 105, 40, 35) << yellow
        << QStringLiteral("下一个键：/（右手小指）");
}

void tst_OnScreenKeyboard::showsTheMarkedKey()
{
    QFETCH(QStringList, steps);
    QFETCH(QRect, marked);
    QFETCH(QColor, colour);
    QFETCH(QString, description);

    OnScreenKeyboard keyboard;
    for (const QString &step : steps) {
        if (step == concealStep)
            keyboard.conceal();
        else
            keyboard.xzjp(step);
    }

    const qreal ratio = keyboard.devicePixelRatioF();
    const QImage shown = deviceImage(keyboard.grab());
    QCOMPARE(shown.size(), QSize(580, 175) * ratio);
    if (!marked.isNull()) {
        QCOMPARE(shown.pixelColor(facePoint(marked) * ratio), colour);
        // Every other key stays dark.
        const QPoint tabKey = facePoint(QRect(0, 35, 60, 35)) * ratio;
        const QImage dark = deviceImage(OnScreenKeyboard::keyboardPicture(ratio));
        QCOMPARE(shown.pixelColor(tabKey), dark.pixelColor(tabKey));
    }
    QVERIFY(shown == expectedImage(marked, ratio));

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&keyboard);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("模拟键盘"));
    QCOMPARE(accessible->text(QAccessible::Description), description);
}

void tst_OnScreenKeyboard::clicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left click") << Qt::LeftButton << QPoint(100, 80) << 1;
    QTest::newRow("right click") << Qt::RightButton << QPoint(100, 80) << 0;
    QTest::newRow("left press released outside") << Qt::LeftButton << QPoint(600, 80) << 0;
}

void tst_OnScreenKeyboard::clicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);

    OnScreenKeyboard keyboard;
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    QSignalSpy clicked(&keyboard, &OnScreenKeyboard::clicked);
    QTest::mousePress(&keyboard, button, Qt::NoModifier, QPoint(100, 80));
    QTest::mouseRelease(&keyboard, button, Qt::NoModifier, releaseAt);
    QCOMPARE(clicked.count(), clicks);
}

// On a HiDPI screen the pictures are painted at full resolution, not scaled
// up from 580 x 175.
void tst_OnScreenKeyboard::picturesAreDrawnAtTheDeviceRatio()
{
    const QPixmap highlight = OnScreenKeyboard::highlightPicture(2);
    QCOMPARE(highlight.size(), QSize(1160, 350));
    QCOMPARE(highlight.devicePixelRatio(), 2.0);
    const QRect spaceBar(180, 140, 220, 35);
    QCOMPARE(deviceImage(highlight).pixelColor(facePoint(spaceBar) * 2), fingerColour(Finger::Thumb));
}

QTEST_MAIN(tst_OnScreenKeyboard)
#include "tst_onscreenkeyboard.moc"
