// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/HistoryCsv.h"

#include "core/platform/CsvText.h"

#include <QDateTime>

namespace HistoryCsv {

QString timeText(qint64 timeMs)
{
    // The offset is written out so that the hour before and after a change
    // of summer time stay apart.
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(timeMs);
    const QDateTime withOffset = local.toOffsetFromUtc(local.offsetFromUtc());
    return withOffset.toString(Qt::ISODateWithMs);
}

QByteArray detail(const QList<Keystroke> &keys)
{
    QList<QStringList> rows;
    rows.reserve(keys.size());
    for (const Keystroke &key : keys) {
        rows.append({timeText(key.timeMs), exerciseKindName(key.kind), key.target, key.typed,
                     key.correct ? QStringLiteral("1") : QStringLiteral("0"),
                     key.intervalMs < 0 ? QString() : QString::number(key.intervalMs), key.code});
    }
    return CsvText::document({QStringLiteral("time"), QStringLiteral("kind"), QStringLiteral("target"),
                              QStringLiteral("typed"), QStringLiteral("correct"), QStringLiteral("interval_ms"),
                              QStringLiteral("code")},
                             rows);
}

QByteArray dailyTotals(const QList<DailyTotals> &totals)
{
    QList<QStringList> rows;
    rows.reserve(totals.size());
    for (const DailyTotals &day : totals) {
        rows.append({day.day.toString(Qt::ISODate), exerciseKindName(day.kind), QString::number(day.judged),
                     QString::number(day.wrong), QString::number(day.activeMs), QString::number(day.committed),
                     QString::number(day.codeLetters)});
    }
    return CsvText::document({QStringLiteral("day"), QStringLiteral("kind"), QStringLiteral("judged"),
                              QStringLiteral("wrong"), QStringLiteral("active_ms"), QStringLiteral("committed"),
                              QStringLiteral("code_letters")},
                             rows);
}

} // namespace HistoryCsv
