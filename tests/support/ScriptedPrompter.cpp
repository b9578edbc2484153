// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "ScriptedPrompter.h"

#include <QStringList>

Prompter::Answer ScriptedPrompter::ask(const QString &text, const QString &title, Icon icon,
                                       Buttons buttons)
{
    m_asked.append({text, title, icon, buttons});
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

QStringList ScriptedPrompter::texts() const
{
    QStringList result;
    for (const Asked &box : m_asked)
        result.append(box.text);
    return result;
}

void ScriptedPrompter::clear()
{
    m_script.clear();
    m_asked.clear();
}
