// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"

#include "CodePage936.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace TextCodec {

namespace {

bool isLeadByte(uchar byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool isTrailByte(uchar byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

bool isDigitByte(uchar byte)
{
    return byte >= 0x30 && byte <= 0x39;
}

bool isDroppedBeyondPlane(char32_t c)
{
    for (const CodePage936::Range &range : CodePage936::droppedBeyondPlane) {
        if (c >= range.first && c <= range.last)
            return true;
    }
    return false;
}

} // namespace

// The tables are Windows' own code page 936 as ICU has it (windows-936-2000),
// taken at build time, so that reading a file does not load ICU's converter
// and its data. Where a sequence is bad, the reading is ICU's: a lead byte
// without a valid trail byte becomes U+FFFD and the next byte is read afresh.
QString decode(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    // Never more characters than bytes.
    QString text(size, Qt::Uninitialized);
    auto *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    std::optional<QStringDecoder> gb18030;
    qsizetype at = 0;
    while (at < size) {
        const uchar byte = in[at];
        if (byte < 0x80) {
            *out++ = byte;
            ++at;
            continue;
        }
        if (!isLeadByte(byte)) {
            *out++ = CodePage936::singleBytes[byte - 0x80];
            ++at;
            continue;
        }
        const uchar next = at + 1 < size ? in[at + 1] : 0;
        // Code page 936 has no four-byte sequences; GB18030 uses them for the
        // characters beyond GBK. Such a sequence (lead, digit, lead, digit) is
        // read as GB18030, so that an article or word list saved as GB18030
        // keeps those characters. Nothing this program writes has one.
        if (isDigitByte(next) && at + 3 < size && isLeadByte(in[at + 2]) && isDigitByte(in[at + 3])) {
            if (!gb18030)
                gb18030.emplace("GB18030");
            // One or two characters; the bound only guards the buffer.
            const QString four = gb18030->decode(bytes.sliced(at, 4));
            out = std::copy_n(four.utf16(), std::min<qsizetype>(four.size(), 4), out);
            at += 4;
        } else if (isTrailByte(next)) {
            *out++ = CodePage936::bytePairs[(byte - 0x81) * 191 + (next - 0x40)];
            at += 2;
        } else {
            *out++ = QChar::ReplacementCharacter;
            ++at;
        }
    }
    text.truncate(out - begin);
    return text;
}

QByteArray encode(QStringView text)
{
    // Never more than two bytes a character.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char *const begin = bytes.data();
    char *out = begin;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            *out++ = char(c);
            continue;
        }
        if (QChar::isHighSurrogate(c)) {
            // A pair is a character beyond the plane, which the code page
            // lacks; a high surrogate alone, at the very end too, is "?".
            const char16_t low = i + 1 < text.size() ? text[i + 1].unicode() : 0;
            if (QChar::isLowSurrogate(low)) {
                ++i;
                if (isDroppedBeyondPlane(QChar::surrogateToUcs4(c, low)))
                    continue;
            }
            *out++ = '?';
            continue;
        }
        const char16_t code = CodePage936::encodeBlocks[CodePage936::encodeBlockOf[c >> 8]][c & 0xFF];
        if (code == CodePage936::encodeDropped)
            continue;
        if (code == 0) {
            *out++ = '?';
        } else if (code < 0x100) {
            *out++ = char(code);
        } else {
            *out++ = char(code >> 8);
            *out++ = char(code & 0xFF);
        }
    }
    bytes.truncate(out - begin);
    return bytes;
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    for (const LineSpan &span : lineSpans(text))
        lines.append(text.mid(span.start, span.length).toString());
    return lines;
}

QList<LineSpan> lineSpans(QStringView text)
{
    QList<LineSpan> spans;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && text.at(lineEnd - 1) == QLatin1Char('\r'))
            --lineEnd;
        spans.append({quint32(start), quint32(lineEnd - start)});
        start = end + 1;
    }
    return spans;
}

std::optional<QByteArray> readBytes(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> readFile(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes);
}

std::optional<QStringList> readLines(const QString &path, QString *error)
{
    const std::optional<QString> text = readFile(path, error);
    if (!text)
        return std::nullopt;
    return splitLines(*text);
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    // Flushed before commit: QSaveFile (Qt 6.4) commits a file whose buffered
    // bytes did not all reach the disk, leaving it cut short on a full disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
        || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeFile(const QString &path, QStringView text, QString *error)
{
    QString crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') && (i == 0 || text.at(i - 1) != QLatin1Char('\r')))
            crlf.append(QLatin1Char('\r'));
        crlf.append(c);
    }
    return writeBytes(path, encode(crlf), error);
}

} // namespace TextCodec
