// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/MarkedText.h"

#include <QTest>

using Mark = MarkedText::Mark;
using Run = MarkedText::Run;

class tst_MarkedText : public QObject
{
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void charactersBeyondTheBmp();
};

namespace {

// One marking: n characters from position take mark.
struct Marking
{
    qsizetype position;
    qsizetype n;
    Mark mark;
};

const QString BeyondBmp = QString::fromUtf8("\xF0\xA0\x80\x80"); // U+20000

} // namespace

void tst_MarkedText::runs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Marking>>("markings");
    QTest::addColumn<QList<Run>>("runs");

    const Mark P = Mark::Plain, R = Mark::Right, W = Mark::Wrong;
    QTest::newRow("all plain") << "abc" << QList<Marking>{} << QList<Run>{{0, 3, P}};
    QTest::newRow("empty text has no runs") << "" << QList<Marking>{{0, 1, R}} << QList<Run>{};
    QTest::newRow("right, wrong, plain") << "abcd" << QList<Marking>{{0, 1, R}, {1, 2, W}}
                                         << QList<Run>{{0, 1, R}, {1, 2, W}, {3, 1, P}};
    QTest::newRow("a later mark replaces an earlier one")
        << "abc" << QList<Marking>{{0, 2, W}, {1, 1, R}} << QList<Run>{{0, 1, W}, {1, 1, R}, {2, 1, P}};
    QTest::newRow("equal neighbours join") << "abc" << QList<Marking>{{0, 1, R}, {1, 1, R}}
                                           << QList<Run>{{0, 2, R}, {2, 1, P}};
    QTest::newRow("marks past the end are dropped")
        << "ab" << QList<Marking>{{1, 5, W}} << QList<Run>{{0, 1, P}, {1, 1, W}};
    QTest::newRow("runs count UTF-16 units")
        << BeyondBmp + "中" + BeyondBmp << QList<Marking>{{1, 2, R}} << QList<Run>{{0, 2, P}, {2, 3, R}};
}

void tst_MarkedText::runs()
{
    QFETCH(QString, text);
    QFETCH(QList<Marking>, markings);
    QFETCH(QList<Run>, runs);

    MarkedText marked(text);
    for (const Marking &marking : markings)
        marked.setMarks(marking.position, marking.n, marking.mark);
    QCOMPARE(marked.runs(), runs);
}

void tst_MarkedText::charactersBeyondTheBmp()
{
    const MarkedText marked(BeyondBmp + "中a");
    QCOMPARE(marked.size(), 3);
    QCOMPARE(marked.at(0), BeyondBmp);
    QCOMPARE(marked.mid(1), "中a");
    QCOMPARE(marked.at(3), QString());
    QCOMPARE(marked.utf16Position(1), 2);
    QCOMPARE(marked.utf16Position(9), 4);
    QCOMPARE(MarkedText::characterCount(BeyondBmp + BeyondBmp), 2);
}

QTEST_GUILESS_MAIN(tst_MarkedText)
#include "tst_markedtext.moc"
