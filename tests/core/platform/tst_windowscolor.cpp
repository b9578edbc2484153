// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/WindowsColor.h"

#include <QTest>

class tst_WindowsColor : public QObject
{
    Q_OBJECT

private slots:
    void toQColor_data();
    void toQColor();
};

void tst_WindowsColor::toQColor_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("red is the low byte") << qint32(255) << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << qint32(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("mixed") << qint32(0x123456) << QColor(0x56, 0x34, 0x12);
    QTest::newRow("window text system colour") << qint32(0x80000008) << QColor(0, 0, 0);
    QTest::newRow("highlight system colour") << qint32(0x8000000D) << QColor(0, 0x78, 0xD7);
    QTest::newRow("unknown system colour") << qint32(0x800000FF) << QColor(0, 0, 0);
}

void tst_WindowsColor::toQColor()
{
    QFETCH(qint32, value);
    QFETCH(QColor, colour);
    QCOMPARE(WindowsColor::toQColor(value), colour);
}

QTEST_GUILESS_MAIN(tst_WindowsColor)
#include "tst_windowscolor.moc"
