// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/IniDocument.h"

#include "core/platform/TextCodec.h"

#include <QFile>

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

// Blank bytes are never part of a GBK character, so the bytes of a value can
// be trimmed as they will be written.
QByteArray trimBlankBytes(QByteArray bytes)
{
    qsizetype begin = 0;
    while (begin < bytes.size() && isBlankByte(bytes.at(begin)))
        ++begin;
    while (bytes.size() > begin && isBlankByte(bytes.back()))
        bytes.chop(1);
    return bytes.sliced(begin);
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

// Bytes that no text file holds: NUL and the other control characters but
// tab and CR (a line never holds its LF).
bool hasControlBytes(const QByteArray &bytes)
{
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r') || byte == 0x7F)
            return true;
    }
    return false;
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

QString IniDocument::lookupName(const QString &name)
{
    return trimBlanks(name).toString().toCaseFolded();
}

IniDocument::IniDocument()
    : m_sections(1)
{
}

IniDocument::Line IniDocument::parseLine(const QByteArray &bytes, const QByteArray &end, QStringView text)
{
    Line line;
    line.text = bytes;
    line.end = end;
    line.junk = hasControlBytes(bytes) || text.contains(QChar::ReplacementCharacter);
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.isEmpty())
        return line;
    const qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
    if (trimmed.startsWith(QLatin1Char('[')) && close > 0) {
        line.kind = Line::Header;
        line.name = trimmed.sliced(1, close - 1).toString().toCaseFolded();
        return line;
    }
    // A "[" line without "]" is no header: like any other line it is a key.
    line.kind = Line::Key;
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals < 0) {
        line.name = trimmed.toString().toCaseFolded();
        return line;
    }
    line.name = trimBlanks(trimmed.first(equals)).toString().toCaseFolded();
    line.hasValue = true;
    line.value = trimBlanks(trimmed.sliced(equals + 1)).toString();
    return line;
}

void IniDocument::appendLine(Line line)
{
    if (line.kind == Line::Header) {
        const qsizetype index = m_sections.size();
        // The first section of a name counts; later ones are kept as text.
        if (!m_sectionIndex.contains(line.name))
            m_sectionIndex.insert(line.name, index);
        m_sections.append(Section());
    }
    Section &section = m_sections.last();
    if (line.kind == Line::Key && !section.keys.contains(line.name))
        section.keys.insert(line.name, section.lines.size());
    section.lines.append(std::move(line));
}

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument document;
    // The whole text is decoded in one go. A line feed is never part of a
    // two-byte character, so the text has its line feeds where the bytes
    // have theirs; should a decoder ever disagree, each line is decoded
    // on its own.
    const QString text = TextCodec::decode(bytes);
    const bool sameLines = text.count(QLatin1Char('\n')) == bytes.count('\n');
    qsizetype start = 0;
    qsizetype textStart = 0;
    while (start < bytes.size()) {
        qsizetype feed = bytes.indexOf('\n', start);
        qsizetype textFeed = sameLines ? text.indexOf(QLatin1Char('\n'), textStart) : -1;
        if (feed < 0) {
            feed = bytes.size();
            textFeed = text.size();
        }
        const bool crlf = feed < bytes.size() && feed > start && bytes.at(feed - 1) == '\r';
        const QByteArray lineBytes = bytes.mid(start, (crlf ? feed - 1 : feed) - start);
        const QByteArray end = feed == bytes.size() ? QByteArray() : crlf ? Crlf : QByteArrayLiteral("\n");
        QStringView lineText;
        QString ownText;
        if (sameLines) {
            lineText = QStringView(text).sliced(textStart, textFeed - textStart);
            if (crlf && lineText.endsWith(QLatin1Char('\r')))
                lineText.chop(1);
            else if (crlf)
                lineText = ownText = TextCodec::decode(lineBytes);
        } else {
            lineText = ownText = TextCodec::decode(lineBytes);
        }
        document.appendLine(parseLine(lineBytes, end, lineText));
        start = feed + 1;
        textStart = textFeed + 1;
    }
    return document;
}

std::optional<IniDocument> IniDocument::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return IniDocument();
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    // Reading stops one byte past the limit: a huge file is never held whole.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > MaxFileBytes) {
        if (error)
            *error = QStringLiteral("文件太大（超过 1 MB），不是设置文件：") + path;
        return std::nullopt;
    }
    return fromBytes(bytes);
}

QByteArray IniDocument::toBytes() const
{
    qsizetype size = 0;
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines)
            size += line.text.size() + line.end.size();
    }
    QByteArray bytes;
    bytes.reserve(size);
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines)
            bytes.append(line.text).append(line.end);
    }
    return bytes;
}

bool IniDocument::save(const QString &path, QString *error) const
{
    return TextCodec::writeBytes(path, toBytes(), error);
}

QString IniDocument::value(const QString &section, const QString &key) const
{
    const auto found = m_sectionIndex.constFind(lookupName(section));
    if (found == m_sectionIndex.cend())
        return QString();
    const Section &lines = m_sections.at(*found);
    const auto at = lines.keys.constFind(lookupName(key));
    if (at == lines.keys.cend())
        return QString();
    const Line &line = lines.lines.at(*at);
    if (!line.hasValue)
        return QString();
    QString text = cutAtFirst(withoutQuotes(line.value), {QChar(0)});
    const QByteArray bytes = TextCodec::encode(text);
    if (bytes.size() > MaxReadBytes)
        text = TextCodec::decode(cutGbk(bytes, MaxReadBytes));
    return trimBlanks(text).toString();
}

void IniDocument::setValue(const QString &sectionName, const QString &keyName, const QString &value)
{
    // Blanks around names and values are dropped when the file is read, so
    // they are not written either: a padded name finds its line, and a value
    // with leading blanks does not add blanks at every save.
    const QString section = trimBlanks(sectionName).toString();
    const QString key = trimBlanks(keyName).toString();
    // Trimmed once written: code page 936 writes some characters (the
    // default-ignorable ones) as nothing, which can leave a blank at an end.
    const QByteArray stored = trimBlankBytes(TextCodec::encode(storableValue(value)));
    const QByteArray newLine = TextCodec::encode(key) + '=' + stored;

    const auto found = m_sectionIndex.constFind(lookupName(section));
    if (found == m_sectionIndex.cend()) {
        if (Line *last = lastLine(); last && last->end.isEmpty())
            last->end = Crlf;
        const QByteArray header = TextCodec::encode(QLatin1Char('[') + section + QLatin1Char(']'));
        appendLine(parseLine(header, Crlf, TextCodec::decode(header)));
        appendLine(parseLine(newLine, Crlf, TextCodec::decode(newLine)));
        return;
    }

    Section &lines = m_sections[*found];
    const auto at = lines.keys.constFind(lookupName(key));
    if (at != lines.keys.cend()) {
        // Keep the line up to the value as it is ("Speed = " stays
        // "Speed = "); a key without "=" gets one. The byte '=' never occurs
        // inside a GBK character.
        Line &line = lines.lines[*at];
        QByteArray text = line.text;
        const qsizetype equals = text.indexOf('=');
        if (equals < 0) {
            while (!text.isEmpty() && isBlankByte(text.back()))
                text.chop(1);
            text += '=' + stored;
        } else {
            qsizetype valueStart = equals + 1;
            while (valueStart < text.size() && isBlankByte(text.at(valueStart)))
                ++valueStart;
            text = text.left(valueStart) + stored;
        }
        line = parseLine(text, line.end, TextCodec::decode(text));
        return;
    }

    // A new key goes after the section's last line, before the blank lines
    // that part it from the next section.
    qsizetype insertAt = lines.lines.size();
    while (insertAt - 1 > 0 && lines.lines.at(insertAt - 1).kind == Line::Blank)
        --insertAt;
    insertKey(lines, insertAt, newLine);
}

void IniDocument::insertKey(Section &section, qsizetype at, const QByteArray &text)
{
    Line &before = section.lines[at - 1];
    if (before.end.isEmpty())
        before.end = Crlf;
    Line line = parseLine(text, Crlf, TextCodec::decode(text));
    for (qsizetype &index : section.keys) {
        if (index >= at)
            ++index;
    }
    // The line is found under the name it reads back as, which differs from
    // the key only when GBK cannot hold the key.
    if (line.kind == Line::Key && !section.keys.contains(line.name))
        section.keys.insert(line.name, at);
    section.lines.insert(at, std::move(line));
}

IniDocument::Line *IniDocument::lastLine()
{
    for (qsizetype i = m_sections.size() - 1; i >= 0; --i) {
        if (!m_sections.at(i).lines.isEmpty())
            return &m_sections[i].lines.last();
    }
    return nullptr;
}

bool IniDocument::isIniText() const
{
    if (m_sections.size() < 2)
        return false;
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines) {
            if (line.junk)
                return false;
        }
    }
    return true;
}

bool IniDocument::readsBack(const QString &value)
{
    IniDocument document;
    document.setValue(QStringLiteral("s"), QStringLiteral("k"), value);
    return document.value(QStringLiteral("s"), QStringLiteral("k")) == value;
}
