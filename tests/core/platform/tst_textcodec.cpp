// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QDir>
#include <QTest>

class tst_TextCodec : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void roundTrip_data();
    void roundTrip();
    void everyWrittenCharacterReadsBack();
    void everyDefinedByteSequenceIsWrittenBack();
    void splitLines_data();
    void splitLines();
    void writeFileUsesGbkAndCrlf();
    void readMissingFileFails();
    void writeIntoMissingFolderFails();
    void writeOnFullDiskKeepsOldFile();
};

void tst_TextCodec::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("abc") << QString("abc");
    QTest::newRow("gbk") << QByteArray("\xd6\xd0\xb9\xfa") << QString("中国");
    QTest::newRow("euro sign, one byte") << QByteArray("\x80" "5") << QString("€5");
    QTest::newRow("0xFF, one byte") << QByteArray("\xff" "b") << QString("\uF8F5" "b");
    QTest::newRow("user-defined area") << QByteArray("\xaa\xa1") << QString("\uE000");
    QTest::newRow("private use where GB18030 has a character") << QByteArray("\xa8\xbc")
                                                                 << QString("\uE7C7");
    QTest::newRow("bad trail byte") << QByteArray("\xd6\x20" "a") << QString("\uFFFD a");
    QTest::newRow("lead byte cut off at the end") << QByteArray("a\xd6") << QString("a\uFFFD");
    // Beyond code page 936: what GB18030 writes for the characters GBK lacks.
    QTest::newRow("gb18030 four-byte") << QByteArray("\x81\x30\x81\x30") << QString(QChar(0x80));
    QTest::newRow("gb18030 four-byte beyond the plane") << QByteArray("a\x95\x32\x82\x36" "b")
                                                        << QString("a\U00020000b");
    QTest::newRow("four-byte sequence cut off") << QByteArray("\x81\x30\x81") << QString("\uFFFD" "0\uFFFD");
    QTest::newRow("empty") << QByteArray() << QString();
}

void tst_TextCodec::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::decode(bytes), text);
}

void tst_TextCodec::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ascii") << QString("Play") << QByteArray("Play");
    QTest::newRow("chinese") << QString("五笔") << QByteArray("\xce\xe5\xb1\xca");
    QTest::newRow("ideographic space") << QString("\u3000") << QByteArray("\xa1\xa1");
    QTest::newRow("outside gbk") << QString("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("soft hyphen dropped") << QString("a\u00ADb") << QByteArray("ab");
}

void tst_TextCodec::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::encode(text), bytes);
}

// What Windows writes and reads back: the characters that the GB18030
// reader changed once.
void tst_TextCodec::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("euro sign") << QString("€") << QByteArray("\x80");
    QTest::newRow("U+F8F5") << QString("\uF8F5") << QByteArray("\xff");
    QTest::newRow("private use at A8BC") << QString("\uE7C7") << QByteArray("\xa8\xbc");
    QTest::newRow("private use at A6D9") << QString("\uE78D") << QByteArray("\xa6\xd9");
    QTest::newRow("private use at FE9F") << QString("\uE863") << QByteArray("\xfe\x9f");
    QTest::newRow("music path") << QString("D:\\音乐\\€.mid") << QByteArray("D:\\\xd2\xf4\xc0\xd6\\\x80.mid");
}

void tst_TextCodec::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::encode(text), bytes);
    QCOMPARE(TextCodec::decode(bytes), text);
}

namespace {

// Every character of the Basic Multilingual Plane but the surrogates and
// the line feed, each followed by a line feed, which no byte of a two-byte
// character can be.
QString planeWithFeeds()
{
    QString plane;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (!QChar::isSurrogate(c) && c != u'\n')
            plane.append(QChar(c)).append(QLatin1Char('\n'));
    }
    return plane;
}

} // namespace

void tst_TextCodec::everyWrittenCharacterReadsBack()
{
    const QString plane = planeWithFeeds();
    const QStringList written = TextCodec::splitLines(plane);
    const QStringList read = TextCodec::splitLines(TextCodec::decode(TextCodec::encode(plane)));
    QCOMPARE(read.size(), written.size());
    int kept = 0;
    for (qsizetype i = 0; i < written.size(); ++i) {
        // What cannot be written at all comes back as "?" or not at all.
        if (read.at(i).isEmpty() || (read.at(i) == QLatin1String("?") && written.at(i) != QLatin1String("?")))
            continue;
        if (read.at(i) != written.at(i))
            QFAIL(qPrintable(QStringLiteral("U+%1 reads back as U+%2")
                                 .arg(written.at(i).at(0).unicode(), 4, 16, QLatin1Char('0'))
                                 .arg(read.at(i).at(0).unicode(), 4, 16, QLatin1Char('0'))));
        ++kept;
    }
    // ASCII but NUL, CR and LF (CR before a feed is part of the line end),
    // the euro sign, U+F8F5, and the 23940 two-byte characters.
    QCOMPARE(kept, 125 + 2 + 23940);
}

void tst_TextCodec::everyDefinedByteSequenceIsWrittenBack()
{
    // The two single bytes above ASCII, then every lead byte with every
    // trail byte; all of them are defined.
    QByteArray bytes("\x80\n\xff\n");
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F)
                bytes.append(char(lead)).append(char(trail)).append('\n');
        }
    }
    const QString text = TextCodec::decode(bytes);
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    const QByteArray written = TextCodec::encode(text);
    if (written != bytes) {
        qsizetype at = 0;
        while (at < bytes.size() && at < written.size() && written.at(at) == bytes.at(at))
            ++at;
        const qsizetype line = bytes.lastIndexOf('\n', at) + 1;
        QFAIL(qPrintable(QStringLiteral("%1 is written back as %2")
                             .arg(QString::fromLatin1(bytes.mid(line, 2).toHex()),
                                  QString::fromLatin1(written.mid(line, 2).toHex()))));
    }
}

void tst_TextCodec::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("crlf") << QString("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QString("a\nb") << QStringList{"a", "b"};
    QTest::newRow("mixed with empty line") << QString("a\r\n\nb") << QStringList{"a", "", "b"};
    QTest::newRow("lone cr stays in the line") << QString("a\rb\n") << QStringList{"a\rb"};
    QTest::newRow("only a line end") << QString("\r\n") << QStringList{""};
    QTest::newRow("empty") << QString() << QStringList{};
}

void tst_TextCodec::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextCodec::splitLines(text), lines);
}

void tst_TextCodec::writeFileUsesGbkAndCrlf()
{
    TestFolder folder;
    const QString path = folder.file("out.txt");
    QVERIFY(TextCodec::writeFile(path, QString("中\nb\r\nc\n")));
    QCOMPARE(folder.read("out.txt"), QByteArray("\xd6\xd0\r\nb\r\nc\r\n"));
    QCOMPARE(TextCodec::readLines(path).value(), (QStringList{"中", "b", "c"}));
}

void tst_TextCodec::readMissingFileFails()
{
    TestFolder folder;
    QString error;
    QVERIFY(!TextCodec::readFile(folder.file("none.txt"), &error).has_value());
    QVERIFY(!error.isEmpty());
}

void tst_TextCodec::writeIntoMissingFolderFails()
{
    TestFolder folder;
    QString error;
    QVERIFY(!TextCodec::writeFile(folder.file("none/out.txt"), QString("x"), &error));
    QVERIFY(!error.isEmpty());
}

void tst_TextCodec::writeOnFullDiskKeepsOldFile()
{
    TestFolder folder;
    folder.write("out.txt", "old");
    QString error;
    bool written = true;
    {
        // Nothing is logged while the limit holds: the log may be a file.
        FileSizeLimit fullDisk(10);
        written = TextCodec::writeBytes(folder.file("out.txt"), QByteArray(100, 'x'), &error);
    }
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("out.txt"), QByteArray("old"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {"out.txt"});
}

QTEST_GUILESS_MAIN(tst_TextCodec)
#include "tst_textcodec.moc"
