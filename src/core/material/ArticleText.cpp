// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleText.h"

#include "core/material/ArticleFile.h"
#include "core/material/PlainText.h"
#include "core/platform/TextCodec.h"

#include <QStringDecoder>

#include <optional>

namespace {

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
    // Spaces around each line are cut as for the plain-text drills.
    return withText(JoinPlainLines(TextCodec::splitLines(decodePlain(*bytes))));
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

QString ArticleText::messageFor(Status status)
{
    switch (status) {
    case Status::Damaged:
    case Status::Empty:
        return ArticleFile::DamagedMessage;
    case Status::Read:
    case Status::Unreadable:
        break;
    }
    return QString();
}
