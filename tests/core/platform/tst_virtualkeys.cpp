// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/VirtualKeys.h"

#include <QTest>

class tst_VirtualKeys : public QObject
{
    Q_OBJECT

private slots:
    void fromQtKey_data();
    void fromQtKey();
    void toQtKeyRoundTrip();
};

void tst_VirtualKeys::fromQtKey_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("virtualKey");

    QTest::newRow("F1") << int(Qt::Key_F1) << 112;
    QTest::newRow("F2") << int(Qt::Key_F2) << 113;
    QTest::newRow("F3") << int(Qt::Key_F3) << 114;
    QTest::newRow("F12") << int(Qt::Key_F12) << 123;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 8;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 9;
    QTest::newRow("Return") << int(Qt::Key_Return) << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 27;
    QTest::newRow("Space") << int(Qt::Key_Space) << 32;
    QTest::newRow("A") << int(Qt::Key_A) << 65;
    QTest::newRow("7") << int(Qt::Key_7) << 55;
    QTest::newRow("Left") << int(Qt::Key_Left) << 37;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 46;
    QTest::newRow("no code") << int(Qt::Key_Launch0) << 0;
}

void tst_VirtualKeys::fromQtKey()
{
    QFETCH(int, qtKey);
    QFETCH(int, virtualKey);
    QCOMPARE(VirtualKeys::fromQtKey(qtKey), virtualKey);
}

void tst_VirtualKeys::toQtKeyRoundTrip()
{
    for (int code = VirtualKeys::F2; code <= VirtualKeys::F12; ++code)
        QCOMPARE(VirtualKeys::fromQtKey(VirtualKeys::toQtKey(code)), code);
    QCOMPARE(VirtualKeys::toQtKey(VirtualKeys::Enter), int(Qt::Key_Return));
    QCOMPARE(VirtualKeys::toQtKey(255), int(Qt::Key_unknown));
}

QTEST_GUILESS_MAIN(tst_VirtualKeys)
#include "tst_virtualkeys.moc"
