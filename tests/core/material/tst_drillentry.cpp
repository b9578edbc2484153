// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillEntry.h"

#include <QTest>

using Id = DrillEntry::Id;

class tst_DrillEntry : public QObject
{
    Q_OBJECT

private slots:
    void forMenu_data();
    void forMenu();
    void chineseEntriesFollowTheInputMethod_data();
    void chineseEntriesFollowTheInputMethod();
};

void tst_DrillEntry::forMenu_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("entry");
    QTest::addColumn<std::optional<Id>>("id");
    QTest::addColumn<QString>("modeName");

    QTest::newRow("English 1") << 1 << 1 << std::optional(Id::Letters) << "字母练习";
    QTest::newRow("English 2") << 1 << 2 << std::optional(Id::Words) << "单词练习";
    QTest::newRow("English articles") << 1 << 3 << std::optional<Id>() << "";
    QTest::newRow("Chinese 1") << 2 << 1 << std::optional(Id::Characters) << "单字练习";
    QTest::newRow("Chinese 2") << 2 << 2 << std::optional(Id::Phrases) << "词组练习";
    QTest::newRow("Chinese recent article") << 2 << 5 << std::optional<Id>() << "";
    QTest::newRow("numbers 1") << 3 << 1 << std::optional(Id::NumberWords) << "数字";
    QTest::newRow("numbers 2") << 3 << 2 << std::optional(Id::NumberCharacters) << "数字";
    QTest::newRow("numbers 3") << 3 << 3 << std::optional(Id::Digits) << "数字";
    QTest::newRow("games") << 4 << 1 << std::optional<Id>() << "";
}

void tst_DrillEntry::forMenu()
{
    QFETCH(int, menu);
    QFETCH(int, entry);
    QFETCH(std::optional<Id>, id);
    QFETCH(QString, modeName);

    QCOMPARE(DrillEntry::forMenu(menu, entry), id);
    if (id)
        QCOMPARE(::modeName(DrillEntry::entry(*id).mode), modeName);
}

void tst_DrillEntry::chineseEntriesFollowTheInputMethod_data()
{
    QTest::addColumn<Id>("id");
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("wubiKeyboard");
    QTest::addColumn<bool>("analysis");

    QTest::newRow("letters") << Id::Letters << "五笔" << "自动朗读" << false << false;
    QTest::newRow("characters, Wubi") << Id::Characters << "五笔" << "五笔提示" << true << true;
    QTest::newRow("characters, pinyin") << Id::Characters << "拼音" << "拼音提示" << false << false;
    QTest::newRow("phrases, Wubi") << Id::Phrases << "五笔" << "五笔提示" << true << true;
    QTest::newRow("number words") << Id::NumberWords << "五笔" << "自动朗读" << false << false;
    QTest::newRow("number characters, Wubi") << Id::NumberCharacters << "五笔" << "五笔提示" << true << false;
}

void tst_DrillEntry::chineseEntriesFollowTheInputMethod()
{
    QFETCH(Id, id);
    QFETCH(QString, inputMeans);
    QFETCH(QString, caption);
    QFETCH(bool, wubiKeyboard);
    QFETCH(bool, analysis);

    const DrillEntry &entry = DrillEntry::entry(id);
    QCOMPARE(entry.optionCaption(inputMeans), caption);
    QCOMPARE(entry.showsWubiKeyboard(inputMeans), wubiKeyboard);
    QCOMPARE(entry.analysisEnabled(inputMeans), analysis);
}

QTEST_GUILESS_MAIN(tst_DrillEntry)
#include "tst_drillentry.moc"
