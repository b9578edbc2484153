// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/AnsiCode.h"

#include "core/platform/TextCodec.h"

#include <QTest>

class tst_AnsiCode : public QObject
{
    Q_OBJECT

private slots:
    void isDoubleByte_data();
    void isDoubleByte();
    void isDoubleByteMatchesTheEncoder();
};

void tst_AnsiCode::isDoubleByte_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<bool>("doubleByte");

    QTest::newRow("first common character") << QChar(u'一') << true;
    QTest::newRow("last common character") << QChar(u'齄') << true;
    QTest::newRow("gbk extension character") << QChar(u'丂') << true;
    QTest::newRow("ideographic space") << QChar(u'\u3000') << true;
    QTest::newRow("full-width exclamation mark") << QChar(u'！') << true;
    QTest::newRow("user-defined area") << QChar(u'\uE000') << true;
    QTest::newRow("ascii letter") << QChar(u'a') << false;
    QTest::newRow("euro sign, one byte") << QChar(u'\u20AC') << false;
    QTest::newRow("soft hyphen, no byte at all") << QChar(u'\u00AD') << false;
    QTest::newRow("gb18030-only character") << QChar(u'\u4DAE') << false;
    QTest::newRow("replacement character") << QChar(u'\uFFFD') << false;
    QTest::newRow("high surrogate") << QChar(u'\xD840') << false;
    QTest::newRow("low surrogate") << QChar(u'\xDC00') << false;
}

void tst_AnsiCode::isDoubleByte()
{
    QFETCH(QChar, character);
    QTEST(AnsiCode::isDoubleByte(character), "doubleByte");
}

void tst_AnsiCode::isDoubleByteMatchesTheEncoder()
{
    int doubleByte = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QByteArray bytes = TextCodec::encode(QString(QChar(c)));
        const bool expected = bytes.size() == 2;
        if (AnsiCode::isDoubleByte(QChar(c)) != expected)
            QFAIL(qPrintable(QStringLiteral("U+%1 gives %2 bytes").arg(uint(c), 4, 16, QLatin1Char('0')).arg(bytes.size())));
        doubleByte += expected;
    }
    // 126 lead bytes times 190 trail bytes.
    QCOMPARE(doubleByte, 23940);
}

QTEST_GUILESS_MAIN(tst_AnsiCode)
#include "tst_ansicode.moc"
