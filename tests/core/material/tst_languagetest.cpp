// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/LanguageTest.h"

#include "ScriptedRandom.h"

#include <QTest>

class tst_LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void languageOf_data();
    void languageOf();
};

// Ten draws that hit the first `latin` positions of a text of ten
// characters, then the others.
static QList<double> drawsHitting(int latin)
{
    QList<double> draws;
    for (int i = 0; i < 10; ++i)
        draws.append(i < latin ? (i % 6) / 10.0 + 0.01 : 0.95);
    return draws;
}

void tst_LanguageTest::languageOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("language");

    // Six Latin letters, then four Chinese characters.
    const QString mixed = QStringLiteral("abcdef中文汉字");
    QTest::newRow("six letters drawn") << mixed << drawsHitting(6) << "e";
    QTest::newRow("five letters drawn") << mixed << drawsHitting(5) << "c";
    QTest::newRow("all English") << QStringLiteral("hello world") << QList<double>() << "e";
    QTest::newRow("all Chinese") << QStringLiteral("今天天气很好") << QList<double>() << "c";
    QTest::newRow("full-width letters are double-byte") << QStringLiteral("ａｂｃ") << QList<double>() << "c";
    QTest::newRow("same character drawn ten times") << QStringLiteral("a中") << QList<double>(10, 0.0) << "e";
    QTest::newRow("empty text") << QString() << QList<double>() << "c";
}

void tst_LanguageTest::languageOf()
{
    QFETCH(QString, text);
    QFETCH(QList<double>, draws);
    QFETCH(QString, language);

    ScriptedRandom random(draws);
    QCOMPARE(languageCode(LanguageTest::languageOf(text, random)), language);
}

QTEST_GUILESS_MAIN(tst_LanguageTest)
#include "tst_languagetest.moc"
