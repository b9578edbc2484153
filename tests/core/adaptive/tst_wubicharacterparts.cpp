// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WubiCharacterParts.h"

#include "core/wubi/RadicalTable.h"

#include <QTest>

class tst_WubiCharacterParts : public QObject
{
    Q_OBJECT

private slots:
    void builtInTable_data();
    void builtInTable();
    void characters();
};

void tst_WubiCharacterParts::builtInTable_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QStringList>("radicals");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("level");

    QTest::newRow("four radicals, no short code") << "匿" << QStringList{"匚", "艹", "ナ", "口"} << "aadk" << 0;
    QTest::newRow("a repeated radical once") << "工" << QStringList{"工"} << "a" << 1;
    QTest::newRow("second-level short code") << "式" << QStringList{"弋", "工"} << "aa" << 2;
    QTest::newRow("not in the table") << "𠀋" << QStringList{} << "" << 0;
}

void tst_WubiCharacterParts::builtInTable()
{
    QFETCH(QString, character);
    QFETCH(QStringList, radicals);
    QFETCH(QString, code);
    QFETCH(int, level);

    const WubiCharacterParts parts(RadicalTable::builtIn());
    QCOMPARE(parts.radicalsOf(character), radicals);
    QCOMPARE(parts.codeOf(character), code);
    QCOMPARE(parts.shortCodeLevel(character), level);
}

void tst_WubiCharacterParts::characters()
{
    const RadicalTable table(QStringLiteral("式a5a0d工a0a0a0a0式a5a0工a") + QChar(0) + QStringLiteral("匿a3a2d8k0"));
    QCOMPARE(WubiCharacterParts(table).characters(), QStringList({"式", "工"}));
}

QTEST_GUILESS_MAIN(tst_WubiCharacterParts)
#include "tst_wubicharacterparts.moc"
