// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/Prompter.h"

#include <QList>

// A prompter for tests: answers from a script and records every box asked.
// With the script used up it answers the first button (Ok or Yes).
class ScriptedPrompter : public Prompter
{
public:
    struct Asked
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    void answerNext(Answer answer) { m_script.append(answer); }
    Answer ask(const QString &text, const QString &title, Icon icon, Buttons buttons) override;

    const QList<Asked> &asked() const { return m_asked; }
    QStringList texts() const;
    void clear();

private:
    QList<Answer> m_script;
    QList<Asked> m_asked;
};
