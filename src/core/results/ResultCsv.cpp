// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ResultCsv.h"

#include "core/platform/CsvText.h"
#include "core/results/RecordDate.h"

namespace ResultCsv {

namespace {

QString dateText(const QString &stored)
{
    const std::optional<QDate> day = RecordDate::parse(stored);
    return day ? day->toString(Qt::ISODate) : stored.trimmed();
}

} // namespace

QByteArray write(const QList<GradeRecord> &records)
{
    QList<QStringList> rows;
    rows.reserve(records.size());
    for (const GradeRecord &record : records) {
        rows.append({dateText(record.Date), record.PracticeTime.trimmed(), QString::number(record.InputCount),
                     QString::number(record.AverageSpeed), QString::number(record.CorrectCount),
                     QString::number(record.WrongCount), record.Accuracy.trimmed()});
    }
    return CsvText::document({QStringLiteral("date"), QStringLiteral("practice_time"), QStringLiteral("input_count"),
                              QStringLiteral("average_speed"), QStringLiteral("correct_count"),
                              QStringLiteral("wrong_count"), QStringLiteral("accuracy")},
                             rows);
}

} // namespace ResultCsv
