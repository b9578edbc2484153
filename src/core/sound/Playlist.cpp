// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/Playlist.h"

#include "core/material/ArticleText.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace Playlist {

QStringList entriesOf(QByteArrayView bytes)
{
    QStringList entries;
    for (const QString &line : TextCodec::splitLines(ArticleText::decodePlain(bytes))) {
        if (!line.isEmpty())
            entries.append(line);
    }
    return entries;
}

std::optional<QStringList> read(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = TextCodec::readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return entriesOf(*bytes);
}

QByteArray bytesOf(const QStringList &entries)
{
    QString text;
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            text += entry + QStringLiteral("\r\n");
    }
    text += QStringLiteral("\r\n");
    const QByteArray gbk = TextCodec::encode(text);
    if (TextCodec::decode(gbk) == text)
        return gbk;
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

WriteResult write(const QString &path, const QStringList &entries, QString *error)
{
    if (TextCodec::writeBytes(path, bytesOf(entries), error))
        return WriteResult::Written;
    // The file is replaced through a new file beside it, so both the file and
    // its folder must be writable.
    const QFileInfo file(path);
    const bool refused = (file.exists() && !file.isWritable()) || !QFileInfo(file.absolutePath()).isWritable();
    return refused ? WriteResult::Refused : WriteResult::Failed;
}

QStringList filesToPlay(const QStringList &entries, const QString &listFolder)
{
    QStringList files;
    for (const QString &entry : entries) {
        const QString path = entry.trimmed();
        if (path.isEmpty() || path.startsWith(QLatin1Char('#')))
            continue;
        if (QDir::isAbsolutePath(path))
            files.append(path);
        else
            files.append(ProgramFolder::resolve(listFolder, path));
    }
    return files;
}

bool isList(const QString &path)
{
    return path.endsWith(QLatin1String(".m3u"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".m3u8"), Qt::CaseInsensitive);
}

} // namespace Playlist
