// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <optional>

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
    void decodeReadsAsIcu_data();
    void decodeReadsAsIcu();
    void encodeWritesAsIcu_data();
    void encodeWritesAsIcu();
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

namespace {

bool isLead(uchar byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool isDigit(uchar byte)
{
    return byte >= 0x30 && byte <= 0x39;
}

// The reading the program had when it used ICU's converters: ICU's code
// page 936 (Qt's "GBK"), and ICU's GB18030 for the four-byte sequences.
QString icuDecode(QByteArrayView bytes)
{
    QStringDecoder codePage("GBK");
    std::optional<QStringDecoder> gb18030;
    // A line feed ends a lead byte cut off at the end, which ICU holds back.
    const auto readCodePage = [&](QByteArrayView run) {
        QString text = codePage.decode(QByteArray(run.data(), run.size()).append('\n'));
        text.chop(1);
        return text;
    };
    QString text;
    qsizetype runStart = 0;
    qsizetype at = 0;
    const auto byteAt = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes.at(i)) : uchar(0); };
    while (at < bytes.size()) {
        if (!isLead(byteAt(at))) {
            ++at;
        } else if (isDigit(byteAt(at + 1)) && isLead(byteAt(at + 2)) && isDigit(byteAt(at + 3))) {
            text += readCodePage(bytes.sliced(runStart, at - runStart));
            if (!gb18030)
                gb18030.emplace("GB18030");
            text += gb18030->decode(bytes.sliced(at, 4));
            at += 4;
            runStart = at;
        } else {
            const uchar next = byteAt(at + 1);
            at += next >= 0x40 && next <= 0xFE && next != 0x7F ? 2 : 1;
        }
    }
    return text + readCodePage(bytes.sliced(runStart));
}

// ICU's writing, except for a high surrogate at the very end: ICU holds it
// back for a low one that never comes and so drops it; it is written as "?".
QByteArray icuEncode(QStringView text)
{
    QByteArray bytes = QStringEncoder("GBK", QStringConverter::Flag::Stateless).encode(text);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        bytes.append('?');
    return bytes;
}

QString unitsInHex(QStringView text)
{
    QString hex;
    for (const QChar c : text)
        hex += QStringLiteral("%1 ").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return hex.trimmed();
}

// Short strings that favour what makes sequences: lead bytes, digits
// (GB18030's four-byte form), bytes that cannot follow a lead byte, and
// sequences cut off at the end.
QList<QByteArray> randomByteStrings(int count)
{
    static constexpr uchar odd[] = {0x80, 0xFF, 0x7F, 0x3F, '\n', 0x00, 0x40, 0xFE};
    QRandomGenerator random(936);
    QList<QByteArray> strings;
    for (int i = 0; i < count; ++i) {
        QByteArray bytes;
        for (int length = random.bounded(1, 24); length > 0; --length) {
            switch (random.bounded(8)) {
            case 0:
            case 1: bytes.append(char(random.bounded(0x81, 0xFF))); break;
            case 2:
            case 3: bytes.append(char(random.bounded(0x30, 0x3A))); break;
            case 4: bytes.append(char(random.bounded(0x40, 0xFF))); break;
            case 5: bytes.append(char(odd[random.bounded(int(std::size(odd)))])); break;
            default: bytes.append(char(random.bounded(0x100))); break;
            }
        }
        strings.append(bytes);
    }
    return strings;
}

// Short strings of the characters the writer treats apart: unpaired
// surrogates (also at the very end), pairs, the invisible characters that
// are dropped, private use and the Chinese characters.
QList<QString> randomTexts(int count)
{
    static constexpr char32_t dropped[] = {0xAD, 0x200B, 0x2060, 0xFE0F, 0xFEFF, 0x1D173, 0x1BCA3, 0xE0001, 0xE0FFF};
    QRandomGenerator random(936);
    QList<QString> texts;
    for (int i = 0; i < count; ++i) {
        QString text;
        for (int length = random.bounded(1, 12); length > 0; --length) {
            switch (random.bounded(8)) {
            case 0: text.append(QChar(char16_t(random.bounded(0xD800, 0xDC00)))); break;
            case 1: text.append(QChar(char16_t(random.bounded(0xDC00, 0xE000)))); break;
            case 2: {
                const char32_t c = random.bounded(0x10000, 0x110000);
                text.append(QString::fromUcs4(&c, 1));
                break;
            }
            case 3: {
                const char32_t c = dropped[random.bounded(int(std::size(dropped)))];
                text.append(QString::fromUcs4(&c, 1));
                break;
            }
            case 4: text.append(QChar(char16_t(random.bounded(0x4E00, 0xA000)))); break;
            case 5: text.append(QChar(char16_t(random.bounded(0xE000, 0xF900)))); break;
            case 6: text.append(QChar(char16_t(random.bounded(0x80)))); break;
            default: text.append(QChar(char16_t(random.bounded(0x80, 0x10000)))); break;
            }
        }
        texts.append(text);
    }
    return texts;
}

} // namespace

void tst_TextCodec::decodeReadsAsIcu_data()
{
    QTest::addColumn<QList<QByteArray>>("inputs");

    QList<QByteArray> singles;
    for (int byte = 0; byte < 0x100; ++byte)
        singles.append(QByteArray(1, char(byte)));
    QTest::newRow("every single byte") << singles;

    // Trail bytes and everything else, including bytes read again after
    // U+FFFD.
    QList<QByteArray> pairs;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int second = 0; second < 0x100; ++second)
            pairs.append(QByteArray(1, char(lead)).append(char(second)));
    }
    QTest::newRow("every lead byte with every byte") << pairs;

    QTest::newRow("random bytes") << randomByteStrings(4000);
}

void tst_TextCodec::decodeReadsAsIcu()
{
    QFETCH(QList<QByteArray>, inputs);
    for (const QByteArray &bytes : inputs) {
        const QString expected = icuDecode(bytes);
        const QString actual = TextCodec::decode(bytes);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("%1 reads as %2, ICU reads %3")
                                 .arg(QString::fromLatin1(bytes.toHex(' ')), unitsInHex(actual), unitsInHex(expected))));
    }
}

void tst_TextCodec::encodeWritesAsIcu_data()
{
    QTest::addColumn<QList<QString>>("inputs");

    // Surrogates included: alone, each is also the last unit of its text.
    QList<QString> plane;
    for (int c = 0; c < 0x10000; ++c)
        plane.append(QString(QChar(char16_t(c))));
    QTest::newRow("every unit of the plane") << plane;

    // A plane at a time, a line feed after each character.
    QList<QString> beyond;
    for (char32_t start = 0x10000; start < 0x110000; start += 0x10000) {
        QString text;
        for (char32_t c = start; c < start + 0x10000; ++c)
            text.append(QString::fromUcs4(&c, 1)).append(u'\n');
        beyond.append(text);
    }
    QTest::newRow("every character beyond the plane") << beyond;

    QTest::newRow("random texts") << randomTexts(4000);
}

void tst_TextCodec::encodeWritesAsIcu()
{
    QFETCH(QList<QString>, inputs);
    for (const QString &text : inputs) {
        const QByteArray expected = icuEncode(text);
        const QByteArray actual = TextCodec::encode(text);
        if (actual != expected) {
            qsizetype at = 0;
            while (at < actual.size() && at < expected.size() && actual.at(at) == expected.at(at))
                ++at;
            QFAIL(qPrintable(QStringLiteral("%1 is written as %2, ICU writes %3 (first difference at byte %4)")
                                 .arg(unitsInHex(text.left(16)), QString::fromLatin1(actual.mid(at, 8).toHex(' ')),
                                      QString::fromLatin1(expected.mid(at, 8).toHex(' ')))
                                 .arg(at)));
        }
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
