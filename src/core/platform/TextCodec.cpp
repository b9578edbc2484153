// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace TextCodec {

namespace {

// Qt's "GBK" is ICU's windows-936-2000, the table Windows itself uses for
// code page 936. Decoding with GB18030 instead, as a superset, reads the
// euro sign, 0xFF and 84 private-use characters back as other characters.
constexpr const char *codePage = "GBK";

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

// Code page 936 text in one go. The decoder holds back a lead byte cut off at
// the end of the input, waiting for more. A line feed after the text ends any
// such sequence, so it turns into U+FFFD like every other bad byte; the feed
// is dropped.
QString decodeCodePage(QStringDecoder &decoder, QByteArrayView bytes)
{
    QByteArray terminated(bytes.data(), bytes.size());
    terminated.append('\n');
    QString text = decoder.decode(terminated);
    text.chop(1);
    return text;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    // Code page 936 has no four-byte sequences; GB18030 uses them for the
    // characters beyond GBK. Such a sequence (lead, digit, lead, digit) is
    // read as GB18030, so that an article or word list saved as GB18030 keeps
    // those characters; everything else is code page 936. Nothing this
    // program writes has such a sequence.
    QStringDecoder codePageDecoder(codePage);
    std::optional<QStringDecoder> gb18030;
    QString text;
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const auto byte = static_cast<uchar>(bytes.at(at));
        if (!isLeadByte(byte)) {
            ++at;
            continue;
        }
        const auto byteAt = [&](qsizetype i) { return i < bytes.size() ? static_cast<uchar>(bytes.at(i)) : uchar(0); };
        if (isDigitByte(byteAt(at + 1)) && isLeadByte(byteAt(at + 2)) && isDigitByte(byteAt(at + 3))) {
            text += decodeCodePage(codePageDecoder, bytes.sliced(runStart, at - runStart));
            if (!gb18030)
                gb18030.emplace("GB18030");
            text += gb18030->decode(bytes.sliced(at, 4));
            at += 4;
            runStart = at;
            continue;
        }
        at += isTrailByte(byteAt(at + 1)) ? 2 : 1;
    }
    if (runStart == 0)
        return decodeCodePage(codePageDecoder, bytes);
    return text + decodeCodePage(codePageDecoder, bytes.sliced(runStart));
}

QByteArray encode(QStringView text)
{
    QStringEncoder encoder(codePage, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
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
