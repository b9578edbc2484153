// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/ime/ImeTable.h"

#include <QSet>
#include <QString>

// The built-in Wubi input's word on a commit typed with a longer code than
// needed, such as "你：全码 wqiy，二级简码 wq": said once per text for each
// learner's exercise, so it teaches without nagging.
class CodeFeedback
{
public:
    // The table must outlive the feedback.
    explicit CodeFeedback(const ImeTable &table);

    // The words for text committed with typedCode; "" when the code was the
    // shortest, the text has no shorter code, or it was said already.
    QString afterCommit(const QString &text, const QString &typedCode);
    // A new exercise: every text may be told again.
    void reset() { m_told.clear(); }

    // "一级简码", "二级简码", "三级简码" for codes of one to three letters,
    // "全码" for four.
    static QString codeKind(qsizetype length);

private:
    const ImeTable &m_table;
    QSet<QString> m_told;
};
