// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/results/GradeRecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// One of the two tables of the record view (English above, Chinese below):
// its columns, its rows made from the result records, and its sorting by a
// click on a column header. The view keeps one for each table for the whole
// run and shows the rows in sortedOrder().
class ResultTable
{
public:
    enum class SortKind {
        Number,     // the text as an integer
        Date,       // a date or a time of day; any other text after every date
        Percentage, // "98.76%" or "100%  " as a whole number
    };

    static constexpr int ColumnCount = 8;

    // "英文练习成绩：" or "中文练习成绩：", the caption above the table.
    static QString caption(Language language);
    // "ID", "日　　期", "练习时间", "输入字数", "平均字数", "正确字数", "错误字数", "正确率".
    static QStringList headers();
    static SortKind sortKind(int column);

    // A record's row: its number, then the seven fields, numbers as plain
    // decimals and texts as stored, trailing spaces included.
    static QStringList row(qint64 number, const GradeRecord &record);
    // The rows of a file's records, numbered from 1 in file order.
    static QList<QStringList> rows(const QList<GradeRecord> &records);

    // The key a cell sorts by, from its first 31 characters; an empty cell is
    // 0. Number: the number rounded to an integer. Date: days since
    // 1899-12-30 for a date (RecordDate::parse), the fraction of a day for a
    // time "h:mm" or "h:mm:ss" (past 24 hours for a long practice time),
    // and 1 January 4501 for any other text. Percentage: trailing spaces and
    // one "%" taken off, the number rounded to an integer, halves to even.
    // nullopt when the text cannot be read as its kind.
    static std::optional<double> sortKey(SortKind kind, QStringView cell);

    // Before any click: column 0, ascending.
    int sortColumn() const { return m_sortColumn; }
    bool isAscending() const { return m_ascending; }

    // A header click: the sort column again reverses the direction, another
    // column becomes the sort column, ascending.
    void clickHeader(int column);

    // The row indices in the order the table shows them after the last
    // click; before any click, the rows' own order. Equal keys keep their
    // rows' order. Rows whose key cannot be read come after all others in
    // either direction, in their own order.
    QList<int> sortedOrder(const QList<QStringList> &rows) const;

private:
    int m_sortColumn = 0;
    bool m_ascending = true;
    bool m_sorted = false;
};
