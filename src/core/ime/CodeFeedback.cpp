// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/CodeFeedback.h"

CodeFeedback::CodeFeedback(const ImeTable &table)
    : m_table(table)
{
}

QString CodeFeedback::codeKind(qsizetype length)
{
    switch (length) {
    case 1: return QStringLiteral("一级简码");
    case 2: return QStringLiteral("二级简码");
    case 3: return QStringLiteral("三级简码");
    default: return QStringLiteral("全码");
    }
}

QString CodeFeedback::afterCommit(const QString &text, const QString &typedCode)
{
    if (m_told.contains(text))
        return {};
    const QString shortest = QString::fromLatin1(m_table.shortestCode(text));
    if (shortest.isEmpty() || shortest.size() >= typedCode.size())
        return {};
    m_told.insert(text);
    return text + u'：' + codeKind(typedCode.size()) + u' ' + typedCode + u'，' + codeKind(shortest.size())
           + u' ' + shortest;
}
