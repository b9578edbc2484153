// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/ResultTableView.h"

#include <QHeaderView>

#include <array>
#include <numeric>

namespace {

// ID, date, practice time, the four counts, accuracy: wide enough for the
// Chinese headers.
constexpr std::array<int, ResultTable::ColumnCount> ColumnWidths {44, 76, 72, 68, 68, 68, 68, 60};

} // namespace

ResultTableView::ResultTableView(const QString &objectName, Language language, QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(objectName);
    QString name = ResultTable::caption(language);
    name.chop(1); // the caption's colon
    setAccessibleName(name);
    setColumnCount(ResultTable::ColumnCount);
    setHeaderLabels(ResultTable::headers());
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);

    QHeaderView *columns = header();
    columns->setSectionsClickable(true);
    columns->setSectionsMovable(false);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setStretchLastSection(true);
    for (int column = 0; column < ResultTable::ColumnCount; ++column)
        columns->resizeSection(column, ColumnWidths[column]);
    connect(columns, &QHeaderView::sectionClicked, this, &ResultTableView::clickHeader);
}

void ResultTableView::setRows(const QList<QStringList> &rows)
{
    m_rows = rows;
    // Refilled in record order: an arrow would claim an order the rows no
    // longer have.
    header()->setSortIndicatorShown(false);
    QList<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    showRows(order);
}

void ResultTableView::clickHeader(int column)
{
    m_table.clickHeader(column);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(m_table.sortColumn(),
                               m_table.isAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    showRows(m_table.sortedOrder(m_rows));
}

void ResultTableView::showRows(const QList<int> &order)
{
    clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(order.size());
    for (int index : order) {
        auto *item = new QTreeWidgetItem(m_rows.at(index));
        for (int column = 0; column < ResultTable::ColumnCount; ++column)
            item->setTextAlignment(column, Qt::AlignCenter);
        items.append(item);
    }
    addTopLevelItems(items);
}
