// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// Where the maker of the program can be reached: the web pages of the help
// menu and the mail address of the about box.
namespace MakerLinks {

inline const QString homePage = QStringLiteral("https://qintara.example.org/");
inline const QString downloadPage = QStringLiteral("https://qintara.example.org/download");
inline const QString articlesPage = QStringLiteral("https://qintara.example.org/articles");
inline const QString guestBookPage = QStringLiteral("https://qintara.example.org/guestbook");
inline const QString mailAddress = QStringLiteral("qintara@example.org");

} // namespace MakerLinks
