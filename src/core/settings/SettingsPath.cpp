// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/SettingsPath.h"

#include "core/platform/TextCodec.h"
#include "core/settings/IniDocument.h"

#include <QDir>

namespace {

const QChar backslash(u'\\');

// The literal that names path below the program folder, or "" when path
// does not lie below it. A name that holds a backslash itself has no such
// literal: the backslash would part it in two.
QString relativeLiteral(const QString &path, const ProgramFolder &folder)
{
    const QString root = QDir::cleanPath(folder.root());
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    const QString clean = QDir::cleanPath(path);
    if (!clean.startsWith(prefix) || clean.size() == prefix.size())
        return QString();
    QString relative = clean.mid(prefix.size());
    if (relative.contains(backslash))
        return QString();
    return backslash + relative.replace(QLatin1Char('/'), backslash);
}

bool isRelativeLiteral(const QString &text)
{
    return text.startsWith(backslash) && !text.startsWith(QStringLiteral("\\\\"));
}

} // namespace

namespace SettingsPath {

Storage storageOf(const QString &path, const ProgramFolder &folder)
{
    if (IniDocument::readsBack(path))
        return Storage::Whole;
    const QString literal = relativeLiteral(path, folder);
    if (!literal.isEmpty() && IniDocument::readsBack(literal))
        return Storage::Relative;
    const QByteArray bytes = TextCodec::encode(path);
    if (TextCodec::decode(bytes) == path && bytes.size() > IniDocument::MaxReadBytes)
        return Storage::TooLong;
    // A character GBK cannot hold, or a line break, or blanks or quotes at
    // the ends, which the reader takes off.
    return Storage::Unstorable;
}

QString toFileText(const QString &path, const ProgramFolder &folder)
{
    return storageOf(path, folder) == Storage::Relative ? relativeLiteral(path, folder) : path;
}

QString fromFileText(const QString &text, const ProgramFolder &folder)
{
    return isRelativeLiteral(text) ? folder.path(text) : text;
}

QString refusal(const QString &path, const ProgramFolder &folder)
{
    switch (storageOf(path, folder)) {
    case Storage::Whole:
    case Storage::Relative:
        return QString();
    case Storage::TooLong:
        return QStringLiteral("文件的路径太长，设置中保存不下（最多 %1 字节）：\n%2\n"
                              "请把文件移到路径较短的文件夹中再选。")
            .arg(IniDocument::MaxReadBytes)
            .arg(QDir::toNativeSeparators(path));
    case Storage::Unstorable:
        return QStringLiteral("文件的路径中有设置文件保存不下的字符：\n%1\n"
                              "请把文件改名或移到别的文件夹中再选。")
            .arg(QDir::toNativeSeparators(path));
    }
    return QString();
}

} // namespace SettingsPath
