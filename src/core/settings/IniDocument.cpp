// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/IniDocument.h"

#include "core/platform/TextCodec.h"

#include <QFileInfo>

namespace {

const QByteArray Crlf = QByteArrayLiteral("\r\n");

bool isBlank(QChar c)
{
    // A stray CR counts as a blank as well: files edited on several systems
    // may carry one before a CR LF.
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

// Blanks never occur inside a GBK character, so raw lines can be trimmed
// byte by byte.
bool isBlankByte(char c)
{
    return isBlank(QLatin1Char(c));
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

struct ParsedLine
{
    enum Kind { Blank, Section, Key } kind = Blank;
    QString name;
    bool hasValue = false;
    QString value;
};

ParsedLine parseLine(const QByteArray &bytes)
{
    ParsedLine line;
    const QString text = trimBlanks(TextCodec::decode(bytes));
    if (text.isEmpty())
        return line;
    const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
    if (text.startsWith(QLatin1Char('[')) && close > 0) {
        line.kind = ParsedLine::Section;
        line.name = text.mid(1, close - 1);
        return line;
    }
    // A "[" line without "]" is no header: like any other line it is a key.
    line.kind = ParsedLine::Key;
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0) {
        line.name = text;
        return line;
    }
    line.name = trimBlanks(text.left(equals));
    line.hasValue = true;
    line.value = trimBlanks(text.mid(equals + 1));
    return line;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString withoutQuotes(const QString &value)
{
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// The longest start of GBK bytes within limit that ends on a character
// boundary: a lead byte whose trail byte lies beyond the limit is left out.
QByteArray cutGbk(const QByteArray &bytes, qsizetype limit)
{
    qsizetype size = 0;
    while (size < bytes.size()) {
        const uchar lead = uchar(bytes.at(size));
        const qsizetype width = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
        if (size + width > limit)
            break;
        size += width;
    }
    return bytes.left(size);
}

QString cutAtFirst(const QString &text, std::initializer_list<QChar> stops)
{
    qsizetype end = text.size();
    for (QChar stop : stops) {
        const qsizetype at = text.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    return text.left(end);
}

// The value as the writer stores it: up to a NUL (the end of the system's
// text buffer) or a line break, and at most MaxWriteCharacters characters,
// never ending in half of a surrogate pair.
QString storableValue(const QString &value)
{
    QString stored = cutAtFirst(value, {QChar(0), QLatin1Char('\r'), QLatin1Char('\n')})
                         .left(IniDocument::MaxWriteCharacters);
    if (!stored.isEmpty() && stored.back().isHighSurrogate())
        stored.chop(1);
    return stored;
}

} // namespace

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument document;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype feed = bytes.indexOf('\n', start);
        if (feed < 0) {
            document.m_lines.append({bytes.mid(start), QByteArray()});
            break;
        }
        const bool crlf = feed > start && bytes.at(feed - 1) == '\r';
        const qsizetype textEnd = crlf ? feed - 1 : feed;
        document.m_lines.append(
            {bytes.mid(start, textEnd - start), crlf ? Crlf : QByteArrayLiteral("\n")});
        start = feed + 1;
    }
    return document;
}

std::optional<IniDocument> IniDocument::load(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path))
        return IniDocument();
    const std::optional<QByteArray> bytes = TextCodec::readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return fromBytes(*bytes);
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

bool IniDocument::save(const QString &path, QString *error) const
{
    return TextCodec::writeBytes(path, toBytes(), error);
}

QString IniDocument::value(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return QString();
    const qsizetype at = findKey(header, key);
    if (at < 0)
        return QString();
    const ParsedLine line = parseLine(m_lines.at(at).text);
    if (!line.hasValue)
        return QString();
    QString text = cutAtFirst(withoutQuotes(line.value), {QChar(0)});
    const QByteArray bytes = TextCodec::encode(text);
    if (bytes.size() > MaxReadBytes)
        text = TextCodec::decode(cutGbk(bytes, MaxReadBytes));
    return trimBlanks(text);
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const QByteArray stored = TextCodec::encode(storableValue(value));
    const QByteArray newLine = TextCodec::encode(key) + '=' + stored;

    const qsizetype header = findSection(section);
    if (header < 0) {
        insertLine(m_lines.size(), TextCodec::encode(QLatin1Char('[') + section + QLatin1Char(']')));
        insertLine(m_lines.size(), newLine);
        return;
    }

    const qsizetype at = findKey(header, key);
    if (at >= 0) {
        // Keep the line up to the value as it is ("Speed = " stays
        // "Speed = "); a key without "=" gets one. The byte '=' never occurs
        // inside a GBK character.
        QByteArray &text = m_lines[at].text;
        const qsizetype equals = text.indexOf('=');
        if (equals < 0) {
            while (!text.isEmpty() && isBlankByte(text.back()))
                text.chop(1);
            text += '=' + stored;
            return;
        }
        qsizetype valueStart = equals + 1;
        while (valueStart < text.size() && isBlankByte(text.at(valueStart)))
            ++valueStart;
        text = text.left(valueStart) + stored;
        return;
    }

    // A new key goes after the section's last line, before the blank lines
    // that part it from the next section.
    qsizetype insertAt = sectionEnd(header);
    while (insertAt - 1 > header && parseLine(m_lines.at(insertAt - 1).text).kind == ParsedLine::Blank)
        --insertAt;
    insertLine(insertAt, newLine);
}

qsizetype IniDocument::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const ParsedLine line = parseLine(m_lines.at(i).text);
        if (line.kind == ParsedLine::Section && sameName(line.name, section))
            return i;
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && parseLine(m_lines.at(i).text).kind != ParsedLine::Section)
        ++i;
    return i;
}

qsizetype IniDocument::findKey(qsizetype header, const QString &key) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const ParsedLine line = parseLine(m_lines.at(i).text);
        if (line.kind == ParsedLine::Key && sameName(line.name, key))
            return i;
    }
    return -1;
}

void IniDocument::insertLine(qsizetype at, const QByteArray &text)
{
    if (at > 0 && m_lines.at(at - 1).end.isEmpty())
        m_lines[at - 1].end = Crlf;
    m_lines.insert(at, {text, Crlf});
}
