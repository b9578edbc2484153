// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QString>

// One entry of the help window's contents list.
struct HelpTopic
{
    QString chapter;  // the group it is listed under; empty for a top-level page
    QString title;    // the text of the entry
    QString fileName; // the page, a file of the help folder "help\html\"
};

// Every help page in reading order, chapters in the order of the menu bar.
const QList<HelpTopic> &helpContents();

// The file name of the welcome page, the first entry of the contents.
QString welcomeHelpFile();
