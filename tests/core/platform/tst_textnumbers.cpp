// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextNumbers.h"

#include <QTest>

class tst_TextNumbers : public QObject
{
    Q_OBJECT

private slots:
    void toInt16_data();
    void toInt16();
    void toInt32Colour();
    void numberText_data();
    void numberText();
    void speedAndAccuracy_data();
    void speedAndAccuracy();
    void clockText_data();
    void clockText();
};

void tst_TextNumbers::toInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "114" << 114;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("spaces around") << "  5 " << 5;
    QTest::newRow("half to even down") << "2.5" << 2;
    QTest::newRow("half to even up") << "3.5" << 4;
    QTest::newRow("negative half") << "-0.5" << 0;
    QTest::newRow("above half") << "2.51" << 3;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("number with text after it") << "12abc" << 0;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("out of range") << "32768" << 0;
}

void tst_TextNumbers::toInt16()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(TextNumbers::toInt16(text)), value);
}

void tst_TextNumbers::toInt32Colour()
{
    QCOMPARE(TextNumbers::toInt32(u"16711680"), 0xFF0000);
    QCOMPARE(TextNumbers::toInt32(u"2147483648"), 0);
}

void tst_TextNumbers::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("fraction") << 300.0 / 7.0 << "42.8571428571429";
    QTest::newRow("integer") << 45.0 << "45";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("two thirds percent") << 200.0 / 3.0 << "66.6666666666667";
    QTest::newRow("large, no exponent") << 1e16 << "10000000000000000";
    QTest::newRow("small, no exponent") << 0.00001234 << "0.00001234";
    QTest::newRow("negative") << -1.25 << "-1.25";
}

void tst_TextNumbers::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(TextNumbers::numberText(value), text);
}

void tst_TextNumbers::speedAndAccuracy_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<QString>("speedText");
    QTest::addColumn<double>("accuracy");
    QTest::addColumn<QString>("accuracyText");

    QTest::newRow("cut keeps the point") << 45.6 << "45." << 200.0 / 3.0 << "66.66%";
    QTest::newRow("three digits") << 123.4 << "123" << 100.0 << "100%";
    QTest::newRow("four digits cut") << 1234.0 << "123" << 5.0 / 6.0 * 100 << "83.33%";
    QTest::newRow("zero") << 0.0 << "0" << 0.0 << "0%";
    QTest::newRow("speed 40") << 6.0 / 9.0 * 60 << "40" << 50.0 << "50%";
}

void tst_TextNumbers::speedAndAccuracy()
{
    QFETCH(double, speed);
    QFETCH(QString, speedText);
    QFETCH(double, accuracy);
    QFETCH(QString, accuracyText);
    QCOMPARE(TextNumbers::speedText(speed), speedText);
    QCOMPARE(TextNumbers::accuracyText(accuracy), accuracyText);
}

void tst_TextNumbers::clockText_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0 << 0 << 0 << "00:00:00";
    QTest::newRow("padded") << 0 << 5 << 9 << "00:05:09";
    QTest::newRow("two digits") << 1 << 0 << 59 << "01:00:59";
    QTest::newRow("hundred hours") << 100 << 0 << 0 << "100:00:00";
}

void tst_TextNumbers::clockText()
{
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(TextNumbers::clockText(hours, minutes, seconds), text);
}

QTEST_GUILESS_MAIN(tst_TextNumbers)
#include "tst_textnumbers.moc"
