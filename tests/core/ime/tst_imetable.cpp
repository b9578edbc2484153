// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeTable.h"

#include "TestFolder.h"

#include <QtTest>

class tst_ImeTable : public QObject
{
    Q_OBJECT

private slots:
    void readsEntriesInOrder();
    void refusesWhatIsNotATable_data();
    void refusesWhatIsNotATable();
    void codesOfAText_data();
    void codesOfAText();
};

void tst_ImeTable::readsEntriesInOrder()
{
    // The last line has no line end.
    const auto table = ImeTable::fromBytes(readFixture(QStringLiteral("ime/good.tbl")));
    QVERIFY(table);
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
