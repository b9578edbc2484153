// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ResultTable.h"

#include "core/platform/TextScanner.h"
#include "core/results/RecordDate.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int KeyLength = 31;
const QDate DayZero(1899, 12, 30);
// Texts that are not dates sort after every real one.
const QDate AfterEveryDate(4501, 1, 1);

std::optional<double> roundedNumber(QStringView text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return std::nearbyint(value);
}

std::optional<double> timeOfDay(QStringView text)
{
    // Hours, minutes and, perhaps, seconds.
    TextScanner scan(text);
    const std::optional<QStringView> hourDigits = scan.digits(1, text.size());
    if (!hourDigits || !scan.take(u':'))
        return std::nullopt;
    const std::optional<QStringView> minuteDigits = scan.digits(1, 2);
    if (!minuteDigits)
        return std::nullopt;
    std::optional<QStringView> secondDigits;
    if (scan.take(u':') && !(secondDigits = scan.digits(1, 2)))
        return std::nullopt;
    if (!scan.atEnd())
        return std::nullopt;
    const int minutes = minuteDigits->toInt();
    const int seconds = secondDigits ? secondDigits->toInt() : 0;
    if (minutes > 59 || seconds > 59)
        return std::nullopt;
    const double hours = hourDigits->toDouble();
    return (hours * 3600 + minutes * 60 + seconds) / 86400;
}

double dateKey(QStringView text)
{
    if (const std::optional<QDate> day = RecordDate::parse(text))
        return double(DayZero.daysTo(*day));
    if (const std::optional<double> time = timeOfDay(text))
        return *time;
    return double(DayZero.daysTo(AfterEveryDate));
}

} // namespace

QString ResultTable::caption(Language language)
{
    return language == Language::English ? QStringLiteral("英文练习成绩：")
                                         : QStringLiteral("中文练习成绩：");
}

QStringList ResultTable::headers()
{
    return {
        QStringLiteral("ID"),       QStringLiteral("日　　期"), QStringLiteral("练习时间"),
        QStringLiteral("输入字数"), QStringLiteral("平均字数"), QStringLiteral("正确字数"),
        QStringLiteral("错误字数"), QStringLiteral("正确率"),
    };
}

ResultTable::SortKind ResultTable::sortKind(int column)
{
    switch (column) {
    case 1:
    case 2:
        return SortKind::Date;
    case 7:
        return SortKind::Percentage;
    default:
        return SortKind::Number;
    }
}

QStringList ResultTable::row(qint64 number, const GradeRecord &record)
{
    return {
        QString::number(number),
        record.Date,
        record.PracticeTime,
        QString::number(record.InputCount),
        QString::number(record.AverageSpeed),
        QString::number(record.CorrectCount),
        QString::number(record.WrongCount),
        record.Accuracy,
    };
}

QList<QStringList> ResultTable::rows(const QList<GradeRecord> &records)
{
    QList<QStringList> rows;
    rows.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        rows.append(row(i + 1, records.at(i)));
    return rows;
}

std::optional<double> ResultTable::sortKey(SortKind kind, QStringView cell)
{
    QStringView text = cell.left(KeyLength);
    if (text.trimmed().isEmpty())
        return 0.0;
    switch (kind) {
    case SortKind::Number:
        return roundedNumber(text);
    case SortKind::Date:
        return dateKey(text.trimmed());
    case SortKind::Percentage:
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('%')))
            text.chop(1);
        return roundedNumber(text);
    }
    return std::nullopt;
}

void ResultTable::clickHeader(int column)
{
    if (column == m_sortColumn) {
        m_ascending = !m_ascending;
    } else {
        m_sortColumn = column;
        m_ascending = true;
    }
    m_sorted = true;
}

QList<int> ResultTable::sortedOrder(const QList<QStringList> &rows) const
{
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (!m_sorted)
        return order;

    const SortKind kind = sortKind(m_sortColumn);
    QList<std::optional<double>> keys;
    keys.reserve(rows.size());
    for (const QStringList &row : rows)
        keys.append(sortKey(
            kind, m_sortColumn < row.size() ? QStringView(row.at(m_sortColumn)) : QStringView()));

    // A strict weak order even with unreadable keys, which a comparison that
    // answers "after" both ways round would not be.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const std::optional<double> &left = keys.at(a);
        const std::optional<double> &right = keys.at(b);
        if (!left || !right)
            return left.has_value() && !right.has_value();
        return m_ascending ? *left < *right : *left > *right;
    });
    return order;
}
