// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/RecordDate.h"

#include "core/platform/TextScanner.h"

namespace RecordDate {

QString text(const QDate &day)
{
    return day.toString(QStringLiteral("yy-MM-dd"));
}

std::optional<QDate> parse(QStringView text)
{
    // Year, month and day, with "-" or "/" between them, the same both times.
    TextScanner scan(text.trimmed());
    const std::optional<QStringView> yearDigits = scan.digits(1, 4);
    const QChar separator = scan.next();
    if (!yearDigits || (separator != u'-' && separator != u'/') || !scan.take(separator))
        return std::nullopt;
    const std::optional<QStringView> month = scan.digits(1, 2);
    if (!month || !scan.take(separator))
        return std::nullopt;
    const std::optional<QStringView> dayOfMonth = scan.digits(1, 2);
    if (!dayOfMonth || !scan.atEnd())
        return std::nullopt;
    int year = yearDigits->toInt();
    if (yearDigits->size() <= 2)
        year += year < 80 ? 2000 : 1900;
    const QDate day(year, month->toInt(), dayOfMonth->toInt());
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
