// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/KeystrokeHistory.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The learner's pace day by day, from the daily totals of every exercise
// kind together: 字/分 (right keys or characters per minute of active
// time), 击键 (keys per second: code letters for committed characters, one
// key for every other judged key) and 码长 (code letters per committed
// character). A figure without its base (no active time, nothing committed)
// is absent.
class DailyTrend
{
public:
    struct Point
    {
        QDate day;
        std::optional<double> perMinute;
        std::optional<double> keysPerSecond;
        std::optional<double> codeLength;
    };

    // totals in any order; the points are one per day, oldest first.
    static DailyTrend of(const QList<DailyTotals> &totals);

    const QList<Point> &points() const { return m_points; }

    // For screen readers, a day a sentence: "2026-12-04：字/分 35.2，击键 3.1，码长 2.6"
    // (an absent figure as "—"), joined by "；"; "暂无每日记录" without days.
    QString text() const;

private:
    QList<Point> m_points;
};
