// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QListWidget>

// The numbered candidates of the built-in input method, in one row under the
// typing box: "1 你  2 您 …", with each candidate's code beside it when the
// wildcard asked for codes. Screen readers walk it as a list.
class ImeCandidateList : public QListWidget
{
    Q_OBJECT

public:
    struct Item
    {
        QString text;
        QString code; // "" when not shown
    };

    explicit ImeCandidateList(QWidget *parent = nullptr);

    // Shows the page of candidates under anchor (a widget of the same
    // window), or hides the list when items is empty.
    void showItems(const QList<Item> &items, const QWidget *anchor);
    // Shows one line of words in the list's place until the next page:
    // what the last commit could have been typed with, or why the letters
    // typed lead nowhere (a warning, in red).
    void showNote(const QString &text, const QWidget *anchor, bool warning);

private:
    void placeUnder(const QWidget *anchor, int width);
};
