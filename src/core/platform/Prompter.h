// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// Every message box of the program goes through a Prompter: the real one shows
// a modal message box, tests script the answers and read the texts.
class Prompter
{
public:
    enum class Icon { None, Information, Question, Warning, Error };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    // Shows text under title with the icon and buttons; returns the button the
    // user chose. Closing the box without a choice answers Cancel, or No where
    // there is no Cancel button, or Ok for a lone Ok button.
    virtual Answer ask(const QString &text, const QString &title, Icon icon, Buttons buttons) = 0;

    // A notice with only an Ok button.
    void inform(const QString &text, const QString &title, Icon icon)
    {
        ask(text, title, icon, Buttons::Ok);
    }
};
