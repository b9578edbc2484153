// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillChoices.h"

#include "TestFolder.h"

#include <QTest>

class tst_DrillChoices : public QObject
{
    Q_OBJECT

private slots:
    void letterDrills_data();
    void letterDrills();
    void filesIn_data();
    void filesIn();
    void missingFolderHasNoEntries();
};

void tst_DrillChoices::letterDrills_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("selected");

    QTest::newRow("lower") << 0 << 0;
    QTest::newRow("upper") << 1 << 1;
    QTest::newRow("mixed") << 2 << 2;
    QTest::newRow("out of range") << 7 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void tst_DrillChoices::letterDrills()
{
    QFETCH(int, letter);
    QFETCH(int, selected);

    const DrillChoices choices = DrillChoices::letterDrills(letter);
    QCOMPARE(choices.names, (QStringList { "小写字母练习", "大写字母练习", "混合字母练习" }));
    QCOMPARE(choices.selected, selected);
}

void tst_DrillChoices::filesIn_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("selected");

    const QStringList english { "animals", "Basic", "blank lines", "empty", "no hash" };
    QTest::newRow("sorted without regard to case, other files left out")
        << "English/word" << "" << english << 0;
    QTest::newRow("remembered list") << "English/word" << "empty.txt" << english << 3;
    QTest::newRow("remembered name compared with case") << "English/word" << "basic.txt" << english << 0;
    QTest::newRow("remembered list is gone") << "English/word" << "gone.txt" << english << 0;

    const QStringList pools { "一字", "三字", "多行", "空" };
    QTest::newRow("capital extension listed") << "chinese/五笔/word" << "三字.txt" << pools << 1;
    QTest::newRow("capital extension never preselected") << "chinese/五笔/word" << "多行.txt" << pools << 0;
}

void tst_DrillChoices::filesIn()
{
    QFETCH(QString, folder);
    QFETCH(QString, remembered);
    QFETCH(QStringList, names);
    QFETCH(int, selected);

    TestFolder program;
    program.copyFixture(QStringLiteral("material/program"));
    const DrillChoices choices = DrillChoices::filesIn(program.file(folder), remembered);
    QCOMPARE(choices.names, names);
    QCOMPARE(choices.selected, selected);
}

void tst_DrillChoices::missingFolderHasNoEntries()
{
    TestFolder program;
    program.makeFolder(QStringLiteral("empty"));
    QCOMPARE(DrillChoices::filesIn(program.file(QStringLiteral("empty")), {}), DrillChoices());
    QCOMPARE(DrillChoices::filesIn(program.file(QStringLiteral("missing")), {}), DrillChoices());
}

QTEST_GUILESS_MAIN(tst_DrillChoices)
#include "tst_drillchoices.moc"
