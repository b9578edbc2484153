// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/ConfusionTable.h"

#include <QMap>

#include <algorithm>

QString ConfusionTable::Row::text() const
{
    return QStringLiteral("把 %1 打成 %2").arg(target, typed);
}

ConfusionTable ConfusionTable::of(const QList<Keystroke> &history)
{
    QMap<std::pair<QString, QString>, Row> rows;
    for (const Keystroke &key : history) {
        if (key.correct || key.typed.isEmpty() || key.typed == key.target)
            continue;
        Row &row = rows[{key.target, key.typed}];
        row.target = key.target;
        row.typed = key.typed;
        ++row.count;
        row.lastMs = std::max(row.lastMs, key.timeMs);
    }
    ConfusionTable table;
    table.m_rows = rows.values();
    // The map already orders by target and typed; a stable sort keeps that
    // as the last tie-break.
    std::stable_sort(table.m_rows.begin(), table.m_rows.end(), [](const Row &a, const Row &b) {
        if (a.count != b.count)
            return a.count > b.count;
        return a.lastMs > b.lastMs;
    });
    return table;
}
