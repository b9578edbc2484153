// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/Keystroke.h"

#include <QList>
#include <QString>

// What the learner typed in place of what: every wrong result with
// something typed, gathered by target and what came, most frequent first
// (ties: the most recent first, then by target and typed text).
class ConfusionTable
{
public:
    struct Row
    {
        QString target; // 应打
        QString typed;  // 打成
        int count = 0;
        qint64 lastMs = 0; // ms since the epoch

        // "把 了 打成 子"
        QString text() const;
    };

    static ConfusionTable of(const QList<Keystroke> &history);

    const QList<Row> &rows() const { return m_rows; }

private:
    QList<Row> m_rows;
};
