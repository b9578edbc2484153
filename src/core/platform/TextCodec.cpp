// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

QString decode(QByteArrayView bytes)
{
    // The decoder holds back a lead byte cut off at the end of the input,
    // waiting for more. A line feed after the text ends any such sequence,
    // so it turns into U+FFFD like every other bad byte; the feed is dropped.
    QByteArray terminated(bytes.data(), bytes.size());
    terminated.append('\n');
    QStringDecoder decoder("GB18030");
    QString text = decoder.decode(terminated);
    text.chop(1);
    return text;
}

QByteArray encode(QStringView text)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && text.at(lineEnd - 1) == QLatin1Char('\r'))
            --lineEnd;
        lines.append(text.mid(start, lineEnd - start).toString());
        start = end + 1;
    }
    return lines;
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
