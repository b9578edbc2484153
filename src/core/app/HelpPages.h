// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/PracticeMode.h"
#include "core/platform/ProgramFolder.h"

#include <QString>

// Help pages are named as inside the help file, "\help.chm::html/<page>.htm";
// on this system such a page is the file "help\html\<page>.htm" of the
// program folder.

// The page of a view, by the mode shown last; the welcome page while no
// mode has been chosen.
QString helpPageFor(PracticeMode mode);

// The welcome page, opened by "帮助主题(&M)".
QString welcomeHelpPage();

// The page that explains why words are not spoken.
QString speechHelpPage();

// The file that a page literal names: "\help.chm::html/x.htm" becomes the
// folder's "help/html/x.htm", each component matched without regard to case.
// A literal that is not inside "help.chm", or that climbs out of the help
// folder with "..", names no file: the result is empty.
QString helpPagePath(const ProgramFolder &folder, const QString &pageLiteral);
