// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/DailyTrend.h"

#include <QMap>
#include <QStringList>

namespace {

QString figure(const std::optional<double> &value)
{
    return value ? QString::number(*value, 'f', 1) : QStringLiteral("—");
}

} // namespace

DailyTrend DailyTrend::of(const QList<DailyTotals> &totals)
{
    QMap<QDate, DailyTotals> days;
    for (const DailyTotals &each : totals) {
        DailyTotals &day = days[each.day];
        day.day = each.day;
        day.judged += each.judged;
        day.wrong += each.wrong;
        day.activeMs += each.activeMs;
        day.committed += each.committed;
        day.codeLetters += each.codeLetters;
    }
    DailyTrend trend;
    for (const DailyTotals &day : std::as_const(days)) {
        Point point;
        point.day = day.day;
        if (day.activeMs > 0) {
            point.perMinute = (day.judged - day.wrong) * 60000.0 / double(day.activeMs);
            // A committed character took its code letters; every other
            // judged key was one key.
            point.keysPerSecond = (day.judged - day.committed + day.codeLetters) * 1000.0 / double(day.activeMs);
        }
        if (day.committed > 0)
            point.codeLength = double(day.codeLetters) / day.committed;
        trend.m_points.append(point);
    }
    return trend;
}

QString DailyTrend::text() const
{
    if (m_points.isEmpty())
        return QStringLiteral("暂无每日记录");
    QStringList days;
    for (const Point &point : m_points) {
        days.append(QStringLiteral("%1：字/分 %2，击键 %3，码长 %4")
                        .arg(point.day.toString(Qt::ISODate), figure(point.perMinute), figure(point.keysPerSecond),
                             figure(point.codeLength)));
    }
    return days.join(u'；');
}
