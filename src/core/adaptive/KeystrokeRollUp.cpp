// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/KeystrokeRollUp.h"

#include <QDateTime>

#include <map>
#include <utility>

namespace KeystrokeRollUp {

namespace {

using Key = std::pair<qint64, int>; // Julian day, kind

Key keyOf(const DailyTotals &totals)
{
    return {totals.day.toJulianDay(), int(totals.kind)};
}

void add(DailyTotals &sum, const DailyTotals &more)
{
    sum.judged += more.judged;
    sum.wrong += more.wrong;
    sum.activeMs += more.activeMs;
    sum.committed += more.committed;
    sum.codeLetters += more.codeLetters;
}

QList<DailyTotals> listOf(const std::map<Key, DailyTotals> &rows)
{
    QList<DailyTotals> list;
    list.reserve(qsizetype(rows.size()));
    for (const auto &[key, totals] : rows)
        list.append(totals);
    return list;
}

} // namespace

QDate dayOf(qint64 timeMs)
{
    return QDateTime::fromMSecsSinceEpoch(timeMs).date();
}

QList<DailyTotals> dailyTotals(const QList<Keystroke> &keys)
{
    std::map<Key, DailyTotals> rows;
    for (const Keystroke &key : keys) {
        const QDate day = dayOf(key.timeMs);
        DailyTotals &totals = rows[{day.toJulianDay(), int(key.kind)}];
        totals.day = day;
        totals.kind = key.kind;
        ++totals.judged;
        if (!key.correct)
            ++totals.wrong;
        if (key.intervalMs >= 0 && key.intervalMs <= PauseMs)
            totals.activeMs += key.intervalMs;
        if (!key.code.isEmpty()) {
            ++totals.committed;
            totals.codeLetters += int(key.code.size());
        }
    }
    return listOf(rows);
}

QList<DailyTotals> merged(const QList<DailyTotals> &a, const QList<DailyTotals> &b)
{
    std::map<Key, DailyTotals> rows;
    for (const QList<DailyTotals> *list : {&a, &b}) {
        for (const DailyTotals &totals : *list) {
            const auto [row, inserted] = rows.try_emplace(keyOf(totals), totals);
            if (!inserted)
                add(row->second, totals);
        }
    }
    return listOf(rows);
}

} // namespace KeystrokeRollUp
