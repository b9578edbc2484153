// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/WrongCharacterFile.h"

#include "core/app/MakerLinks.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString FolderLiteral = QStringLiteral("\\错字练习\\");
const QString Extension = QStringLiteral(".lmf");

// The maker has no QQ number; the line must be there all the same.
const QString NoQqNumber = QStringLiteral("无");

} // namespace

namespace WrongCharacterFile {

QString path(const QString &userFolder, const QString &categoryFolder, const QString &articleTitle)
{
    return ProgramFolder::resolve(userFolder,
                                  FolderLiteral + categoryFolder + articleTitle + Extension);
}

QStringList lines(const QString &articleTitle, const QString &wrongCharacters)
{
    QString text = wrongCharacters;
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return {
        QStringLiteral("错字练习"),
        QStringLiteral("Qintara"),
        QStringLiteral("原创"),
        NoQqNumber,
        MakerLinks::mailAddress,
        MakerLinks::homePage,
        QStringLiteral("本文件是用户在进行文章练习(") + articleTitle
            + QStringLiteral(")时所有输入错误的字,建议用户选择此文件练习!"),
        text,
    };
}

bool write(const QString &userFolder, const QString &categoryFolder, const QString &articleTitle,
           const QString &wrongCharacters, QString *error)
{
    const QString file = path(userFolder, categoryFolder, articleTitle);
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("不能创建文件夹 ") + folder;
        return false;
    }
    // Written in place of the old file rather than after deleting it, so a
    // failed write keeps the characters of the earlier exercise.
    return TextCodec::writeFile(
        file, lines(articleTitle, wrongCharacters).join(QLatin1Char('\n')) + QLatin1Char('\n'),
        error);
}

bool retire(const QString &userFolder, const QString &categoryFolder, const QString &articleTitle,
            QString *error)
{
    QFile file(path(userFolder, categoryFolder, articleTitle));
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = file.fileName() + QStringLiteral("：") + file.errorString();
    return false;
}

} // namespace WrongCharacterFile
