// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalTable.h"

#include <QTest>

class tst_RadicalTable : public QObject
{
    Q_OBJECT

private slots:
    void builtInCodes_data();
    void builtInCodes();
    void builtInTableHasNoTerminator();
    void codeStrings_data();
    void codeStrings();
};

void tst_RadicalTable::builtInCodes_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("code");

    QTest::newRow("工 full entry") << "工" << false << "a0a0a0a0";
    QTest::newRow("工 first-level entry") << "工" << true << "a";
    QTest::newRow("式 full entry with identification key") << "式" << false << "a5a0d";
    QTest::newRow("式 second-level entry") << "式" << true << "a5a0";
    QTest::newRow("匿 has one entry, asked twice") << "匿" << true << "a3a2d8k0";
    QTest::newRow("同 full entry") << "同" << false << "m3g4k0d";
    QTest::newRow("同 last entry of the table, without the NUL") << "同" << true << "m";
    QTest::newRow("以 second of three entries") << "以" << true << "n5y5w0";
    QTest::newRow("一 only in the first-level list") << "一" << false << "g";
    QTest::newRow("一 has no second entry") << "一" << true << "g";
    QTest::newRow("锿 is not in the table") << "锿" << false << "";
    QTest::newRow("锿 is not in the table, second") << "锿" << true << "";
    QTest::newRow("empty character") << "" << true << "";
}

void tst_RadicalTable::builtInCodes()
{
    QFETCH(QString, character);
    QFETCH(bool, second);
    QFETCH(QString, code);

    QCOMPARE(RadicalTable::builtIn().FindRadicalCode(character, second), code);
}

void tst_RadicalTable::builtInTableHasNoTerminator()
{
    const QString &text = RadicalTable::builtIn().text();
    QVERIFY(text.endsWith(QStringLiteral("民n同m")));
    QVERIFY(!text.contains(QChar(u'\0')));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
}

void tst_RadicalTable::codeStrings_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("code");

    const QString nul(QChar(u'\0'));

    QTest::newRow("code ends at the next character")
        << "甲a1b2乙c3" << "甲" << false << "a1b2";
    QTest::newRow("code ends at the end of the text")
        << "甲a1乙c3d4" << "乙" << false << "c3d4";
    QTest::newRow("at most ten characters")
        << "甲abcdefghijklm乙n" << "甲" << false << "abcdefghij";
    QTest::newRow("ten characters reaching the end")
        << "乙n甲a1a2a3a4a5" << "甲" << false << "a1a2a3a4a5";
    QTest::newRow("code ends at a NUL")
        << "甲a1" + nul + "乙c3" << "甲" << false << "a1";
    QTest::newRow("nothing after a NUL belongs to the table")
        << "甲a1" + nul + "乙c3" << "乙" << false << "";
    QTest::newRow("character with an empty code")
        << "甲乙c3" << "甲" << false << "";
    QTest::newRow("second occurrence")
        << "甲a1乙c3甲a2" << "甲" << true << "a2";
    QTest::newRow("second, never the third")
        << "甲a1甲a2乙c3甲a3" << "甲" << true << "a2";
    QTest::newRow("first when asked for it")
        << "甲a1乙c3甲a2" << "甲" << false << "a1";
    QTest::newRow("no second occurrence falls back to the first")
        << "甲a1乙c3" << "甲" << true << "a1";
    QTest::newRow("code ends at a full-width sign")
        << "甲a1！b2" << "甲" << false << "a1";
    QTest::newRow("character outside the BMP")
        << "乙n5𠂉t3甲a1" << "𠂉" << false << "t3";
    QTest::newRow("absent character")
        << "甲a1乙c3" << "丙" << true << "";
    QTest::newRow("empty table") << "" << "甲" << false << "";
}

void tst_RadicalTable::codeStrings()
{
    QFETCH(QString, table);
    QFETCH(QString, character);
    QFETCH(bool, second);
    QFETCH(QString, code);

    QCOMPARE(RadicalTable(table).FindRadicalCode(character, second), code);
}

QTEST_GUILESS_MAIN(tst_RadicalTable)
#include "tst_radicaltable.moc"
