// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/HotKeyNames.h"

#include <QTest>

class tst_HotKeyNames : public QObject
{
    Q_OBJECT

private slots:
    void keyName_data();
    void keyName();
    void accepts_data();
    void accepts();
};

void tst_HotKeyNames::keyName_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("no key") << 0 << "无";
    QTest::newRow("backspace") << 8 << "BACKSPACE";
    QTest::newRow("enter") << 13 << "ENTER";
    QTest::newRow("first of the modifier list") << 16 << "Shift";
    QTest::newRow("last of the modifier list") << 20 << "Caps Lock";
    QTest::newRow("between the lists") << 21 << "KeyCode:21";
    QTest::newRow("escape") << 27 << "Esc";
    QTest::newRow("space, first of the second list") << 32 << "空格";
    QTest::newRow("left arrow") << 37 << "左方向键";
    QTest::newRow("last of the second list") << 47 << "Help";
    QTest::newRow("digit") << 48 << "0";
    QTest::newRow("letter") << 90 << "Z";
    QTest::newRow("between digits and letters") << 64 << "KeyCode:64";
    QTest::newRow("windows key") << 92 << "Win";
    QTest::newRow("keypad digit") << 103 << "NumPad7";
    QTest::newRow("keypad times") << 106 << "NumPad*";
    QTest::newRow("keypad enter") << 108 << "NumPad Enter";
    QTest::newRow("keypad minus") << 109 << "NumPad-";
    QTest::newRow("keypad divide") << 111 << "NumPad/";
    QTest::newRow("F1") << 112 << "F1";
    QTest::newRow("F12") << 123 << "F12";
    QTest::newRow("F16") << 127 << "F16";
    QTest::newRow("F17 has no name") << 128 << "KeyCode:128";
    QTest::newRow("scroll lock") << 145 << "Scroll Lock";
    QTest::newRow("semicolon has no name") << 186 << "KeyCode:186";
    QTest::newRow("equals") << 187 << "=";
    QTest::newRow("comma has no name") << 188 << "KeyCode:188";
    QTest::newRow("backslash") << 220 << "\\";
    QTest::newRow("negative") << -1 << "KeyCode:-1";
}

void tst_HotKeyNames::keyName()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(HotKeyNames::keyName(code), name);
}

void tst_HotKeyNames::accepts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("F1") << 112 << false;
    QTest::newRow("F2") << 113 << true;
    QTest::newRow("F7") << 118 << true;
    QTest::newRow("F12") << 123 << true;
    QTest::newRow("F13") << 124 << false;
    QTest::newRow("letter") << 65 << false;
}

void tst_HotKeyNames::accepts()
{
    QFETCH(int, code);
    QFETCH(bool, accepted);
    QCOMPARE(HotKeyNames::accepts(code), accepted);
}

QTEST_GUILESS_MAIN(tst_HotKeyNames)
#include "tst_hotkeynames.moc"
