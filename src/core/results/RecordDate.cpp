// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/RecordDate.h"

#include <QRegularExpression>

namespace RecordDate {

QString text(const QDate &day)
{
    return day.toString(QStringLiteral("yy-MM-dd"));
}

std::optional<QDate> parse(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{1,4})([-/])([0-9]{1,2})\\2([0-9]{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.capturedView(1).toInt();
    if (match.capturedView(1).size() <= 2)
        year += year < 80 ? 2000 : 1900;
    const QDate day(year, match.capturedView(3).toInt(), match.capturedView(4).toInt());
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QString weekdaySuffix(const QDate &day)
{
    static const QString names[] = {
        QStringLiteral(" 星期一"), QStringLiteral(" 星期二"), QStringLiteral(" 星期三"),
        QStringLiteral(" 星期四"), QStringLiteral(" 星期五"), QStringLiteral(" 星期六"),
        QStringLiteral(" 星期日"),
    };
    const int weekday = day.dayOfWeek(); // 1 Monday to 7 Sunday, 0 for an invalid day
    return weekday >= 1 && weekday <= 7 ? names[weekday - 1] : QString();
}

QString spokenDay(const QDate &day)
{
    return QString::number(day.month()) + QStringLiteral("月") + QString::number(day.day())
        + QStringLiteral("日") + weekdaySuffix(day);
}

} // namespace RecordDate
