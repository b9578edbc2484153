// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleLines.h"

#include <QTest>

class tst_ArticleLines : public QObject
{
    Q_OBJECT

private slots:
    void cut_data();
    void cut();
};

namespace {

QString repeated(const QString &piece, int times)
{
    return piece.repeated(times);
}

} // namespace

void tst_ArticleLines::cut_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    const QString a43 = repeated("a", 43);
    const QString word = "abcdefghi "; // ten characters ending in a space

    QTest::newRow("English: 44 characters are one line")
        << Language::English << repeated("abc ", 11) << QStringList{repeated("abc ", 11)};
    QTest::newRow("English: 45 characters, the 43rd a space")
        << Language::English << repeated("a", 42) + " bc" << QStringList{repeated("a", 42) + " ", "bc"};
    QTest::newRow("English: a line ends at the last space of 43")
        << Language::English << repeated(word, 10)
        << QStringList{repeated(word, 4), repeated(word, 4), repeated(word, 2)};
    QTest::newRow("English: 43 characters without a space are cut hard")
        << Language::English << repeated("a", 45) << QStringList{a43, "aa"};
    QTest::newRow("English: hard break, then the space starts the next line")
        << Language::English << a43 + " " + repeated("b", 10) << QStringList{a43, " " + repeated("b", 10)};
    QTest::newRow("English: empty") << Language::English << "" << QStringList{};
    QTest::newRow("Chinese: 23 characters are one line")
        << Language::Chinese << repeated("中", 23) << QStringList{repeated("中", 23)};
    QTest::newRow("Chinese: 46 characters are two lines")
        << Language::Chinese << repeated("中", 23) + repeated("国", 23)
        << QStringList{repeated("中", 23), repeated("国", 23)};
    QTest::newRow("Chinese: the rest is the last line")
        << Language::Chinese << repeated("中", 46) + "人" << QStringList{repeated("中", 23), repeated("中", 23), "人"};
    QTest::newRow("Chinese: spaces and letters are characters too")
        << Language::Chinese << repeated("中 a", 8) << QStringList{repeated("中 a", 7) + "中 ", "a"};
    // U+20000 takes two UTF-16 units but is one character, one key.
    QTest::newRow("Chinese: a character beyond the BMP is one character")
        << Language::Chinese << QString::fromUtf8("\xF0\xA0\x80\x80") + repeated("中", 23)
        << QStringList{QString::fromUtf8("\xF0\xA0\x80\x80") + repeated("中", 22), "中"};
}

void tst_ArticleLines::cut()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);

    const QStringList cut = ArticleLines::cut(text, language);
    QCOMPARE(cut, lines);
    QCOMPARE(cut.join(QString()), text);
}

QTEST_GUILESS_MAIN(tst_ArticleLines)
#include "tst_articlelines.moc"
