// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/results/ResultTable.h"

#include <QList>
#include <QStringList>
#include <QTreeWidget>

// One table of the record view in report style: the eight columns of the
// result records, one row per record. A click on a column header sorts the
// rows by that column's kind through the table's ResultTable, which keeps the
// sort column and direction for the whole run; the list's own sorting stays
// off.
class ResultTableView : public QTreeWidget
{
    Q_OBJECT

public:
    ResultTableView(const QString &objectName, Language language, QWidget *parent = nullptr);

    // Empties the table and fills it with these rows (ResultTable::rows) in
    // record order. The sort column and direction stay as the last click left
    // them, so that the next click on the same header reverses it.
    void setRows(const QList<QStringList> &rows);
    const QList<QStringList> &rows() const { return m_rows; }
    const ResultTable &table() const { return m_table; }

    // A click on the header of a column: sort by it.
    void clickHeader(int column);

private:
    void showRows(const QList<int> &order);

    ResultTable m_table;
    QList<QStringList> m_rows; // in record order, as read
};
