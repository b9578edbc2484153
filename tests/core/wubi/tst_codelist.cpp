// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/CodeList.h"

#include "core/platform/TextCodec.h"

#include <QTest>

class tst_CodeList : public QObject
{
    Q_OBJECT

private slots:
    void linesAsTheCodecSplitsThem_data();
    void linesAsTheCodecSplitsThem();
    void firstLineContaining_data();
    void firstLineContaining();
};

void tst_CodeList::linesAsTheCodecSplitsThem_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("crlf after the last line") << QString("中k\r\n国l\r\n");
    QTest::newRow("no line end after the last line") << QString("中k\r\n国l");
    QTest::newRow("lf only") << QString("中k\n国l\n");
    QTest::newRow("empty lines") << QString("\r\n\n中k\r\n\r\n");
    QTest::newRow("lone cr inside a line") << QString("中\rk\n");
    QTest::newRow("cr ending the text") << QString("中k\r");
    QTest::newRow("cr ending a line before crlf") << QString("中k\r\r\n国");
    QTest::newRow("only a line end") << QString("\r\n");
    QTest::newRow("only a cr") << QString("\r");
    QTest::newRow("empty") << QString();
}

void tst_CodeList::linesAsTheCodecSplitsThem()
{
    QFETCH(QString, text);
    const QStringList expected = TextCodec::splitLines(text);
    const CodeList list(text, 1);
    QCOMPARE(list.lines(), expected);
    QCOMPARE(list.lineCount(), expected.size());
    QCOMPARE(list.isEmpty(), expected.isEmpty());
}

void tst_CodeList::firstLineContaining_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("textLength");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("line");

    const QString phrases = QStringLiteral("中国khlg\r\n人民共和wwat\r\n\r\n和人民nav\r\n中国x\r\n国人a中\r\n民主nay");
    QTest::newRow("first line") << phrases << 2 << "中国" << 0;
    QTest::newRow("inside a line") << phrases << 2 << "民共" << 1;
    QTest::newRow("again later: the first line") << phrases << 2 << "人民" << 1;
    QTest::newRow("across an ascii letter: not a run") << phrases << 2 << "a中" << -1;
    QTest::newRow("last line without a line end") << phrases << 2 << "民主" << 6;
    QTest::newRow("across a line end") << phrases << 2 << "和中" << -1;
    QTest::newRow("not in the list") << phrases << 2 << "主中" << -1;
    QTest::newRow("shorter than the list's texts") << phrases << 2 << "中" << -1;
    QTest::newRow("longer than the list's texts") << phrases << 2 << "中国人" << -1;
    QTest::newRow("ending in ascii") << phrases << 2 << "国x" << -1;
    QTest::newRow("empty") << phrases << 2 << "" << -1;
    QTest::newRow("character outside the plane counts once")
        << QString("a中\U00020000国b\r\n") << 3 << "中\U00020000国" << 0;
    QTest::newRow("empty list") << QString() << 1 << "中" << -1;
}

void tst_CodeList::firstLineContaining()
{
    QFETCH(QString, text);
    QFETCH(int, textLength);
    QFETCH(QString, query);
    QFETCH(int, line);
    QCOMPARE(CodeList(text, textLength).firstLineContaining(query), line);
}

QTEST_GUILESS_MAIN(tst_CodeList)
#include "tst_codelist.moc"
