// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// Writes the code page 936 tables that TextCodec reads and writes with, as a
// C++ header. Run by the build: the tables are taken from Qt's "GBK", which
// is ICU's windows-936-2000, the table Windows itself uses for code page 936
// (the euro sign at 0x80, 0xFF as U+F8F5, the user-defined areas as private
// use). The program then reads and writes text without opening ICU.
//
// Usage: make_codepage936 <output header>
// Stops with a message, and no output, when ICU's reading or writing does
// not have the shape the tables can hold.
#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

constexpr char16_t encodeDropped = 0xFFFF; // no byte pair of the code page ends in 0xFF

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "make_codepage936: %s\n", qPrintable(message));
    std::exit(1);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

bool isLeadByte(int byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool isTrailByte(int byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

QByteArray pair(int first, int second)
{
    return QByteArray(1, char(first)).append(char(second));
}

// Each sequence is read with a line feed after it, which ends anything the
// decoder would otherwise hold back, so the one decoder starts afresh every time.
QString decodeAlone(QStringDecoder &decoder, QByteArray bytes)
{
    QString text = decoder.decode(bytes.append('\n'));
    if (!text.endsWith(u'\n'))
        fail(QStringLiteral("%1 swallows the line feed after it").arg(hex(bytes)));
    text.chop(1);
    return text;
}

// How GBK writes one code point, each followed by a line feed in one long
// text: the encoder is stateless, and 0x0A is no byte of a byte pair.
QList<QByteArray> encodeEach(QStringEncoder &encoder, char32_t first, char32_t last)
{
    QString text;
    for (char32_t c = first; c <= last; ++c) {
        if (!QChar::isSurrogate(c) && c != u'\n')
            text.append(QString::fromUcs4(&c, 1));
        text.append(u'\n');
    }
    QList<QByteArray> written = QByteArray(encoder.encode(text)).split('\n');
    written.removeLast();
    if (written.size() != qsizetype(last - first + 1))
        fail(QStringLiteral("U+%1..U+%2 do not write one line each").arg(qulonglong(first), 0, 16).arg(qulonglong(last), 0, 16));
    return written;
}

void writeTable(QTextStream &out, const char *declaration, const QList<char16_t> &values)
{
    out << declaration << " = {";
    for (qsizetype i = 0; i < values.size(); ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << QStringLiteral("0x%1,").arg(values.at(i), 4, 16, QLatin1Char('0'));
    out << "\n};\n\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        fail(QStringLiteral("usage: make_codepage936 <output header>"));
    QStringDecoder decoder("GBK");
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    if (!decoder.isValid() || !encoder.isValid())
        fail(QStringLiteral("Qt has no GBK converter (built without ICU?)"));
    const QString replacement(QChar::ReplacementCharacter);

    // ASCII stays itself; TextCodec handles it without a table.
    for (int byte = 0; byte < 0x80; ++byte) {
        if (decodeAlone(decoder, QByteArray(1, char(byte))) != QString(QChar(byte)))
            fail(QStringLiteral("byte %1 is not ASCII").arg(byte, 2, 16));
    }

    // The bytes above ASCII that stand alone; 0 for the lead bytes.
    QList<char16_t> singleBytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const QString text = decodeAlone(decoder, QByteArray(1, char(byte)));
        if (isLeadByte(byte)) {
            if (text != replacement)
                fail(QStringLiteral("lead byte %1 alone is not U+FFFD").arg(byte, 2, 16));
            singleBytes.append(0);
        } else {
            if (text.size() != 1 || text.at(0).isSurrogate())
                fail(QStringLiteral("byte %1 is not one character").arg(byte, 2, 16));
            singleBytes.append(text.at(0).unicode());
        }
    }

    // Lead byte and trail byte to one character (U+FFFD where undefined); a
    // lead byte before any other byte is U+FFFD, and that byte is read again.
    QList<char16_t> bytePairs;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int second = 0; second <= 0xFF; ++second) {
            const QByteArray bytes = pair(lead, second);
            const QString text = decodeAlone(decoder, bytes);
            if (!isTrailByte(second)) {
                if (text != replacement + decodeAlone(decoder, bytes.sliced(1)))
                    fail(QStringLiteral("%1 does not read the second byte again").arg(hex(bytes)));
            } else if (text.size() != 1 || text.at(0).isSurrogate()) {
                fail(QStringLiteral("%1 is not one character").arg(hex(bytes)));
            }
        }
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (isTrailByte(trail))
                bytePairs.append(decodeAlone(decoder, pair(lead, trail)).at(0).unicode());
            else
                bytePairs.append(QChar::ReplacementCharacter);
        }
    }

    // Every character of the Basic Multilingual Plane to its bytes: one byte
    // (below 0x100), a byte pair (lead byte high), 0 for "?", or dropped.
    QList<char16_t> encoded(0x10000, 0);
    const QList<QByteArray> plane = encodeEach(encoder, 0, 0xFFFF);
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        const QByteArray &bytes = plane.at(c);
        if (QChar::isSurrogate(c) || bytes == "?")
            continue;
        if (bytes.isEmpty())
            encoded[c] = encodeDropped;
        else if (bytes.size() == 1 && uchar(bytes.at(0)) >= 0x80)
            encoded[c] = uchar(bytes.at(0));
        else if (bytes.size() == 2 && isLeadByte(uchar(bytes.at(0))) && isTrailByte(uchar(bytes.at(1))))
            encoded[c] = char16_t(uchar(bytes.at(0)) << 8 | uchar(bytes.at(1)));
        else
            fail(QStringLiteral("U+%1 is written as %2").arg(qulonglong(c), 4, 16).arg(hex(bytes)));
    }
    for (char32_t c = 0; c < 0x80; ++c) {
        if (c != u'\n' && plane.at(c) != QByteArray(1, char(c)))
            fail(QStringLiteral("U+%1 is not written as ASCII").arg(qulonglong(c), 4, 16));
    }

    // The table in blocks of 256, the same block kept once: most of the
    // plane is blocks of nothing.
    QList<QList<char16_t>> blocks;
    QList<char16_t> blockOf;
    for (int high = 0; high < 0x100; ++high) {
        const QList<char16_t> block = encoded.sliced(high * 0x100, 0x100);
        qsizetype index = blocks.indexOf(block);
        if (index < 0) {
            index = blocks.size();
            blocks.append(block);
        }
        blockOf.append(char16_t(index));
    }

    // Beyond the plane nothing is written but "?", except the invisible
    // format characters, which are dropped; kept as ranges.
    QList<std::pair<char32_t, char32_t>> droppedRanges;
    for (char32_t planeStart = 0x10000; planeStart <= 0x10FFFF; planeStart += 0x10000) {
        const QList<QByteArray> written = encodeEach(encoder, planeStart, planeStart + 0xFFFF);
        for (char32_t c = planeStart; c <= planeStart + 0xFFFF; ++c) {
            const QByteArray &bytes = written.at(c - planeStart);
            if (bytes == "?")
                continue;
            if (!bytes.isEmpty())
                fail(QStringLiteral("U+%1 is written as %2").arg(qulonglong(c), 0, 16).arg(hex(bytes)));
            if (!droppedRanges.isEmpty() && droppedRanges.last().second == c - 1)
                droppedRanges.last().second = c;
            else
                droppedRanges.append({c, c});
        }
    }

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        fail(file.errorString());
    QTextStream out(&file);
    out << "// Generated by tools/codepage936/make_codepage936 from ICU's windows-936-2000.\n"
           "// Code page 936 both ways; see TextCodec.cpp for how the tables are read.\n"
           "#pragma once\n\n"
           "namespace CodePage936 {\n\n"
           "// Bytes 0x80..0xFF alone; 0 for lead bytes.\n";
    writeTable(out, "constexpr char16_t singleBytes[0x80]", singleBytes);
    out << "// Lead byte 0x81..0xFE by trail byte 0x40..0xFE, index (lead - 0x81) * 191 + trail - 0x40;\n"
           "// U+FFFD where undefined.\n";
    writeTable(out, "constexpr char16_t bytePairs[126 * 191]", bytePairs);
    out << "// Characters U+0080..U+FFFF: encodeBlocks[encodeBlockOf[c >> 8]][c & 0xFF] is the\n"
           "// byte (below 0x100) or byte pair, 0 when the code page lacks it (\"?\"), or\n"
           "// encodeDropped.\n"
           "constexpr char16_t encodeDropped = 0x" << QString::number(encodeDropped, 16) << ";\n";
    writeTable(out, "constexpr unsigned char encodeBlockOf[0x100]", blockOf);
    out << "constexpr char16_t encodeBlocks[" << blocks.size() << "][0x100] = {\n";
    for (const QList<char16_t> &block : blocks) {
        out << "  {";
        for (qsizetype i = 0; i < block.size(); ++i)
            out << (i % 16 == 0 ? "\n    " : " ") << QStringLiteral("0x%1,").arg(block.at(i), 4, 16, QLatin1Char('0'));
        out << "\n  },\n";
    }
    out << "};\n\n"
           "// Code points beyond U+FFFF that are dropped instead of written as \"?\", as\n"
           "// inclusive ranges.\n"
           "struct Range\n{\n    char32_t first;\n    char32_t last;\n};\n"
           "constexpr Range droppedBeyondPlane[] = {\n";
    for (const auto &[first, last] : droppedRanges)
        out << QStringLiteral("    {0x%1, 0x%2},\n").arg(qulonglong(first), 0, 16).arg(qulonglong(last), 0, 16);
    out << "};\n\n} // namespace CodePage936\n";
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit())
        fail(file.errorString());
    return 0;
}
