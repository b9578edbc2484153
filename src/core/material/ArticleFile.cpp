// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleFile.h"

#include "core/platform/TextCodec.h"

#include <optional>

ArticleFile ArticleFile::fromLines(const QStringList &lines)
{
    ArticleFile file;
    if (lines.size() != LineCount) {
        file.status = Status::Damaged;
        return file;
    }
    file.status = Status::Read;
    file.kind = lines.at(0);
    file.provider = lines.at(1);
    file.source = lines.at(2);
    file.qq = lines.at(3);
    file.email = lines.at(4);
    file.webSite = lines.at(5);
    file.remarks = lines.at(6);
    file.text = lines.at(7);
    return file;
}

ArticleFile ArticleFile::read(const QString &path)
{
    const std::optional<QStringList> lines = TextCodec::readLines(path);
    if (!lines)
        return ArticleFile();
    return fromLines(*lines);
}

bool ReadArticleFile(const QString &path, QStringList &lines)
{
    lines = TextCodec::readLines(path).value_or(QStringList());
    return lines.size() == ArticleFile::LineCount;
}
