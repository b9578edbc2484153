// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The titles and entries of the main window's menu bar, in order. Menus and
// entries are numbered from 1; "&" marks an access key.
namespace MainMenus {

enum Menu {
    English = 1,
    Chinese = 2,
    Numbers = 3,
    Games = 4,
    Results = 5,
    System = 6,
    Help = 7,
};

// Entry numbers of the menus this shell handles itself.
enum SystemEntry { UserManager = 1, SettingsDialog = 2 };
enum HelpEntry { HelpTopics = 1, OnlineUpdate = 2, Forum = 3, HomePage = 4, About = 5 };
// Entry 5 of the English and Chinese menus, run by toolbar buttons 0 and 1.
inline constexpr int RecentArticle = 5;

struct Title
{
    QString caption;
    QStringList entries;
};

// The seven menus, menu 1 first.
const QList<Title> &titles();

inline int count()
{
    return int(titles().size());
}

// The access key of a caption in upper case ("英文练习(&E)" gives 'E'), or a
// null QChar when it has none. "&&" is a literal ampersand, not a marker.
QChar accessKey(QStringView caption);

} // namespace MainMenus
