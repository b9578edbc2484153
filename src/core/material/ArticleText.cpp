// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleText.h"

#include "core/material/ArticleFile.h"
#include "core/platform/TextCodec.h"

#include <QStringDecoder>

#include <optional>

namespace {

// Only spaces are cut, as the plain-text drills do; tabs and ideographic
// spaces stay part of the text.
QStringView trimSpaces(QStringView line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && line.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && line.at(end - 1) == QLatin1Char(' '))
        --end;
    return line.mid(start, end - start);
}

ArticleText withText(QString text)
{
    ArticleText result;
    result.status = text.isEmpty() ? ArticleText::Status::Empty : ArticleText::Status::Read;
    result.text = std::move(text);
    return result;
}

} // namespace

bool ArticleText::isArticleFile(const QString &path)
{
    return path.endsWith(QLatin1String(".lmf"), Qt::CaseInsensitive);
}

ArticleText ArticleText::read(const QString &path)
{
    ArticleText result;
    if (isArticleFile(path)) {
        const ArticleFile file = ArticleFile::read(path);
        switch (file.status) {
        case ArticleFile::Status::Read:
            return withText(file.text);
        case ArticleFile::Status::Damaged:
            result.status = Status::Damaged;
            return result;
        case ArticleFile::Status::Unreadable:
            return result;
        }
        return result;
    }

    const std::optional<QByteArray> bytes = TextCodec::readBytes(path);
    if (!bytes)
        return result;
    QString text;
    const QStringList lines = TextCodec::splitLines(decodePlain(*bytes));
    for (const QString &line : lines) {
        if (!line.isEmpty())
            text += trimSpaces(line);
    }
    return withText(std::move(text));
}

QString ArticleText::decodePlain(QByteArrayView bytes)
{
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    const bool bom = bytes.startsWith(QByteArrayView(Bom, 3));
    // The UTF-8 decoder skips a leading byte order mark by itself.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (bom || !utf8.hasError())
        return text;
    return TextCodec::decode(bytes);
}
