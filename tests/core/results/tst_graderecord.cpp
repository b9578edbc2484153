// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/results/GradeRecord.h"

#include "TestFolder.h"

#include <QFile>
#include <QTest>

class tst_GradeRecord : public QObject
{
    Q_OBJECT

private slots:
    void windowsRecords_data();
    void windowsRecords();
    void textFields_data();
    void textFields();
    void decodeOddBytes_data();
    void decodeOddBytes();
    void figure_data();
    void figure();
};

namespace {

QByteArray fixture(const QString &name)
{
    return readFixture(QStringLiteral("results/") + name);
}

GradeRecord record(const QString &date, const QString &time, qint16 input, qint16 speed,
                   qint16 correct, qint16 wrong, const QString &accuracy)
{
    return GradeRecord {date, time, input, speed, correct, wrong, accuracy};
}

} // namespace

// The records of a file written on Windows, read field by field and written
// back to the same bytes.
void tst_GradeRecord::windowsRecords_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<GradeRecord>("expected");

    QTest::newRow("ordinary") << 0 << record("25-06-03", "00:05:23", 240, 44, 236, 4, "98.33%");
    QTest::newRow("100% with two spaces") << 1 << record("25-06-04", "00:10:00", 300, 30, 300, 0, "100%  ");
    QTest::newRow("16-bit limit and a negative count")
        << 2 << record("99-12-31", "01:02:03", 32767, 999, 32000, -3, "97.65%");
}

void tst_GradeRecord::windowsRecords()
{
    QFETCH(int, index);
    QFETCH(GradeRecord, expected);

    const QByteArray bytes
        = fixture("windows-egrade.dat").mid(index * GradeRecord::Size, GradeRecord::Size);
    QCOMPARE(GradeRecord::decode(bytes), expected);
    QCOMPARE(expected.encode(), bytes);
}

// How a text lands in its field: GBK, left-aligned, padded with spaces, cut
// at the width but never through a double-byte character.
void tst_GradeRecord::textFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("100% gets two spaces") << "Accuracy" << "100%" << QByteArray("100%  ");
    QTest::newRow("six characters fill it") << "Accuracy" << "98.76%" << QByteArray("98.76%");
    QTest::newRow("nothing typed yet") << "Accuracy" << "0" << QByteArray("0     ");
    QTest::newRow("empty") << "Accuracy" << "" << QByteArray("      ");
    QTest::newRow("too long: cut") << "PracticeTime" << "100:00:00" << QByteArray("100:00:0");
    QTest::newRow("double-byte characters fit")
        << "Date" << "六月三日" << QByteArray("\xc1\xf9\xd4\xc2\xc8\xfd\xc8\xd5");
    QTest::newRow("double-byte character at the cut") << "Accuracy" << "1中文字" << QByteArray("1\xd6\xd0\xce\xc4 ");
    QTest::newRow("outside GBK is one question mark") << "Accuracy" << "a\U0001F600b" << QByteArray("a?b   ");
}

void tst_GradeRecord::textFields()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    GradeRecord record;
    int offset = 0;
    int width = 0;
    if (field == "Date") {
        record.Date = text;
        width = GradeRecord::DateWidth;
    } else if (field == "PracticeTime") {
        record.PracticeTime = text;
        offset = 8;
        width = GradeRecord::PracticeTimeWidth;
    } else {
        record.Accuracy = text;
        offset = 24;
        width = GradeRecord::AccuracyWidth;
    }
    const QByteArray encoded = record.encode();
    QCOMPARE(encoded.size(), GradeRecord::Size);
    QCOMPARE(encoded.mid(offset, width), bytes);
    // In memory the field holds what the file holds.
    QCOMPARE(GradeRecord::fieldText(text, width), TextCodec::decode(bytes));
}

void tst_GradeRecord::decodeOddBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<GradeRecord>("expected");

    const QByteArray whole = fixture("windows-egrade.dat").left(GradeRecord::Size);
    QTest::newRow("cut off after 15 bytes: the rest is zero")
        << whole.left(15) << record("25-06-03", "00:05:2", 0, 0, 0, 0, "");
    QTest::newRow("cut off inside a number") << whole.left(17) << record("25-06-03", "00:05:23", 240, 0, 0, 0, "");
    QTest::newRow("no bytes") << QByteArray() << record("", "", 0, 0, 0, 0, "");
    QTest::newRow("bytes after the 30th ignored")
        << whole + "xyz" << record("25-06-03", "00:05:23", 240, 44, 236, 4, "98.33%");
    QByteArray halved = whole;
    halved[7] = '\xd6'; // a lead byte whose trail byte lies in the next field
    QTest::newRow("double-byte character split by the field end")
        << halved << record("25-06-0\uFFFD", "00:05:23", 240, 44, 236, 4, "98.33%");
    QByteArray gbk = whole;
    gbk.replace(24, 6, "\xb0\xd9\xb7\xd6  ");
    QTest::newRow("GBK text") << gbk << record("25-06-03", "00:05:23", 240, 44, 236, 4, "百分  ");
}

void tst_GradeRecord::decodeOddBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(GradeRecord, expected);
    QCOMPARE(GradeRecord::decode(bytes), expected);
}

void tst_GradeRecord::figure_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("count") << "240" << 240;
    QTest::newRow("speed cut after its point") << "45." << 45;
    QTest::newRow("half rounds to even, down") << "2.5" << 2;
    QTest::newRow("half rounds to even, up") << "3.5" << 4;
    QTest::newRow("the limit") << "32767" << 32767;
    QTest::newRow("one above the limit") << "32768" << 32767;
    QTest::newRow("a long exercise") << "100000" << 32767;
    QTest::newRow("far below") << "-40000" << -32768;
    QTest::newRow("spaces around") << " 12 " << 12;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a number") << "abc" << 0;
}

void tst_GradeRecord::figure()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(GradeRecord::figure(text)), value);
}

QTEST_GUILESS_MAIN(tst_GradeRecord)
#include "tst_graderecord.moc"
