// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/practice/MeaningList.h"

#include "TestFolder.h"

#include <QTest>

namespace {

// Small versions of the word lists; the fourth file, 托福600分单词.txt, is
// missing, so loading ends after the third.
const QString fixture = QStringLiteral("practice/meanings/program");

QString fixtureFolder()
{
    return QStringLiteral(QINTARA_TEST_DATA_DIR "/") + fixture;
}

QString notFound(const QString &word)
{
    return QStringLiteral("【") + word + QStringLiteral("】未找到该单词解释!");
}

QString found(const QString &word, const QString &meaning)
{
    return QStringLiteral("【") + word + QStringLiteral("】 解释：") + meaning;
}

// The lookup as a scan of the list from its first line, the way the hints
// were first worked out; the index must give the same answers.
QString scanFor(const QStringList &lines, const QString &word)
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty())
        return {};
    for (const QString &line : lines) {
        const qsizetype cut = line.indexOf(QLatin1Char('#'));
        if (cut >= 0 && QStringView(line).left(cut).compare(trimmed, Qt::CaseInsensitive) == 0)
            return found(trimmed, line.mid(cut + 1));
    }
    return notFound(trimmed);
}

} // namespace

class tst_MeaningList : public QObject
{
    Q_OBJECT

private slots:
    void findMeaning_data();
    void findMeaning();
    void loadEndsAtMissingFile();
    void emptyFolderLoadsOnceFilesAppear();
    void indexAgreesWithScanOnShippedLists();
};

void tst_MeaningList::findMeaning_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("meaning");

    QTest::newRow("spaces around, list in lower case")
        << "  Apple  " << QStringLiteral("【Apple】 解释：苹果");
    QTest::newRow("all capitals") << "APPLE" << found("APPLE", "苹果");
    QTest::newRow("tab and line feed around") << "\tapple\n" << found("apple", "苹果");
    QTest::newRow("list spells it in capitals") << "tree" << found("tree", "树");
    QTest::newRow("word in two files: the first file wins") << "book" << found("book", "书");
    QTest::newRow("line without # skipped, later line matches") << "hello" << found("hello", "你好");
    QTest::newRow("meaning holding #: cut at the first") << "Sharp" << found("Sharp", "升半音#乐");
    QTest::newRow("word of the third file") << "river" << found("river", "河流");
    QTest::newRow("word of a file after the missing one") << "zebra" << notFound("zebra");
    QTest::newRow("missing word") << "word" << notFound("word");
    QTest::newRow("beginning of a word") << "app" << notFound("app");
    QTest::newRow("space before # belongs to the list's word") << "tea" << notFound("tea");
    QTest::newRow("whole line") << "apple#苹果" << notFound("apple#苹果");
    QTest::newRow("a meaning") << "苹果" << notFound("苹果");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("spaces only") << "   " << "";
}

void tst_MeaningList::findMeaning()
{
    QFETCH(QString, word);
    QFETCH(QString, meaning);

    MeaningList list{ProgramFolder(fixtureFolder())};
    list.LoadMeaningList();
    QCOMPARE(list.FindMeaning(word), meaning);
    QCOMPARE(scanFor(list.lines(), word), meaning);
}

void tst_MeaningList::loadEndsAtMissingFile()
{
    MeaningList list{ProgramFolder(fixtureFolder())};
    QString error;
    QVERIFY(!list.LoadMeaningList(&error));
    QVERIFY2(error.contains(QStringLiteral("托福600分单词.txt")), qPrintable(error));
    // Seven, three and one lines of the first three files, the line without
    // "#" included.
    QCOMPARE(list.count(), 11);
    QCOMPARE(list.lines().first(), QStringLiteral("apple#苹果"));
    QCOMPARE(list.lines().last(), QStringLiteral("river#河流"));

    // The list has lines now: a second call reads nothing again.
    error.clear();
    QVERIFY(list.LoadMeaningList(&error));
    QVERIFY(error.isEmpty());
    QCOMPARE(list.count(), 11);
    QCOMPARE(list.FindMeaning("zebra"), notFound("zebra"));
}

void tst_MeaningList::emptyFolderLoadsOnceFilesAppear()
{
    TestFolder program;
    MeaningList list{ProgramFolder(program.path())};

    QCOMPARE(list.FindMeaning("apple"), notFound("apple"));
    QString error;
    QVERIFY(!list.LoadMeaningList(&error));
    QVERIFY2(error.contains(QStringLiteral("新版小学英语.txt")), qPrintable(error));
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.FindMeaning(" apple "), notFound("apple"));

    // With all six files in place the next call loads them, the fourth before
    // the fifth and the full-width dash in the last two names matched.
    program.copyFixture(fixture);
    program.write(QStringLiteral("English/word/托福600分单词.txt"),
                  TextCodec::encode(u"zebra#斑马（托福）\r\nrobot#机器人\r\n"));
    QVERIFY2(list.LoadMeaningList(&error), qPrintable(error));
    QCOMPARE(list.count(), 16);
    QCOMPARE(list.FindMeaning("apple"), found("apple", "苹果"));
    QCOMPARE(list.FindMeaning("ROBOT"), found("ROBOT", "机器人"));
    QCOMPARE(list.FindMeaning("zebra"), found("zebra", "斑马（托福）"));
    QCOMPARE(list.FindMeaning("river"), found("river", "河流"));
    QCOMPARE(list.FindMeaning("yacht"), found("yacht", "游艇"));
}

// The shipped lists repeat many words across files; every sampled word, as
// spelled and in capitals, must give what a scan from the top gives.
void tst_MeaningList::indexAgreesWithScanOnShippedLists()
{
    MeaningList list{ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR))};
    QString error;
    QVERIFY2(list.LoadMeaningList(&error), qPrintable(error));
    QVERIFY(list.count() > 0);

    for (qsizetype number = 0; number < list.count(); number += 23) {
        const QString &line = list.lines().at(number);
        const QString word = line.left(line.indexOf(QLatin1Char('#')));
        for (const QString &asked : {word, word.toUpper()})
            QCOMPARE(list.FindMeaning(asked), scanFor(list.lines(), asked));
    }
}

QTEST_GUILESS_MAIN(tst_MeaningList)
#include "tst_meaninglist.moc"
