// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeTable.h"

#include "TestFolder.h"

#include <QtTest>

class tst_ImeTable : public QObject
{
    Q_OBJECT

private slots:
    void readsEntriesInOrder_data();
    void readsEntriesInOrder();
    void copyOutlivesTheLoadedTable();
    void brokenTextStaysInItsEntry();
    void refusesWhatIsNotATable_data();
    void refusesWhatIsNotATable();
    void codesOfAText_data();
    void codesOfAText();
};

void tst_ImeTable::readsEntriesInOrder_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("from bytes") << false;
    QTest::newRow("from a file") << true;
}

void tst_ImeTable::readsEntriesInOrder()
{
    QFETCH(bool, fromFile);
    // The last line has no line end.
    const QString fixture = QStringLiteral("ime/good.tbl");
    QString error;
    const auto table = fromFile ? ImeTable::load(QStringLiteral(QINTARA_TEST_DATA_DIR "/") + fixture, &error)
                                : ImeTable::fromBytes(readFixture(fixture), &error);
    QVERIFY2(table, qPrintable(error));
    QCOMPARE(table->size(), 3);
    const auto [first, last] = table->exact("aa");
    QCOMPARE(last - first, 2);
    QCOMPARE(table->entry(first).text, QStringLiteral("甲"));
    QCOMPARE(table->entry(first + 1).weight, 3u);
    QCOMPARE(table->entry(2).text, QStringLiteral("乙"));
    QCOMPARE(table->startingWith("a"), std::make_pair(qsizetype(0), qsizetype(3)));
    QCOMPARE(table->startingWith("ab"), std::make_pair(qsizetype(2), qsizetype(3)));
    const auto [none, noneEnd] = table->exact("b");
    QCOMPARE(none, noneEnd);
    QCOMPARE(table->shortestCode(QStringLiteral("乙")), QByteArray("ab"));
}

// A loaded table's entries must not point into the file it was read from,
// nor into the table a copy was made from.
void tst_ImeTable::copyOutlivesTheLoadedTable()
{
    TestFolder folder;
    folder.write(QStringLiteral("t.tbl"), readFixture(QStringLiteral("ime/good.tbl")));
    auto loaded = ImeTable::load(folder.file(QStringLiteral("t.tbl")));
    QVERIFY(loaded);
    const ImeTable copy = *loaded;
    loaded.reset();
    QCOMPARE(copy.entry(2).text, QStringLiteral("乙"));
    QCOMPARE(copy.codeAt(2), "ab");
}

// A text cut off inside a character reads as UTF-8 decoding gives it, and
// the next entry's text is whole.
void tst_ImeTable::brokenTextStaysInItsEntry()
{
    const auto table = ImeTable::fromBytes(readFixture(QStringLiteral("ime/broken-text.tbl")));
    QVERIFY(table);
    QCOMPARE(table->entry(0).text, QString::fromUtf8("\xe7\x94"));
    QCOMPARE(table->entry(1).text, QStringLiteral("乙"));
    QCOMPARE(table->shortestCode(QStringLiteral("乙")), QByteArray("ab"));
}

void tst_ImeTable::refusesWhatIsNotATable_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("no header") << "ime/no-header.tbl";
    QTest::newRow("no weight") << "ime/no-weight.tbl";
    QTest::newRow("code not of small letters") << "ime/bad-code.tbl";
    QTest::newRow("codes out of order") << "ime/out-of-order.tbl";
}

void tst_ImeTable::refusesWhatIsNotATable()
{
    QFETCH(QString, fixture);
    QString error;
    QVERIFY(!ImeTable::fromBytes(readFixture(fixture), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!ImeTable::fromBytes(QByteArray(), &error));
    QVERIFY(!ImeTable::load(QStringLiteral("/nonexistent/wubi86.tbl"), &error));
    // An empty file cannot be mapped; it is refused like empty bytes.
    TestFolder folder;
    folder.write(QStringLiteral("empty.tbl"), QByteArray());
    error.clear();
    QVERIFY(!ImeTable::load(folder.file(QStringLiteral("empty.tbl")), &error));
    QVERIFY(!error.isEmpty());
}

void tst_ImeTable::codesOfAText_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("shortest");
    QTest::addColumn<QByteArray>("longest");

    QTest::newRow("first-level short code") << "wubi86.tbl" << "一" << QByteArray("g") << QByteArray("ggll");
    QTest::newRow("second-level short code") << "wubi86.tbl" << "你" << QByteArray("wq") << QByteArray("wqiy");
    QTest::newRow("full code only") << "wubi86.tbl" << "我们" << QByteArray("trwu") << QByteArray("trwu");
    QTest::newRow("unknown text") << "wubi86.tbl" << "A" << QByteArray() << QByteArray();
    QTest::newRow("pinyin phrase") << "pinyin.tbl" << "你好" << QByteArray("nihao") << QByteArray("nihao");
}

void tst_ImeTable::codesOfAText()
{
    QFETCH(QString, table);
    QFETCH(QString, text);
    QFETCH(QByteArray, shortest);
    QFETCH(QByteArray, longest);

    QString error;
    const auto loaded = ImeTable::load(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/") + table, &error);
    QVERIFY2(loaded, qPrintable(error));
    QCOMPARE(loaded->shortestCode(text), shortest);
    QCOMPARE(loaded->longestCode(text), longest);
}

QTEST_GUILESS_MAIN(tst_ImeTable)
#include "tst_imetable.moc"
