// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/ImeCandidateList.h"

ImeCandidateList::ImeCandidateList(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("imeCandidates"));
    setAccessibleName(QStringLiteral("候选字"));
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setSpacing(2);
    hide();
}

void ImeCandidateList::showItems(const QList<Item> &items, const QWidget *anchor)
{
    clear();
    if (items.isEmpty() || !anchor) {
        hide();
        return;
    }
    // Room for each label with the item's own margins.
    const int itemMargin = fontMetrics().averageCharWidth() + 2 * spacing();
    int width = 2 * frameWidth() + spacing();
    for (qsizetype i = 0; i < items.size(); ++i) {
        QString label = QString::number(i + 1) + u' ' + items.at(i).text;
        if (!items.at(i).code.isEmpty())
            label += u' ' + items.at(i).code;
        addItem(label);
        width += fontMetrics().horizontalAdvance(label) + itemMargin;
    }
    placeUnder(anchor, width);
}

void ImeCandidateList::showNote(const QString &text, const QWidget *anchor, bool warning)
{
    clear();
    if (text.isEmpty() || !anchor) {
        hide();
        return;
    }
    auto *note = new QListWidgetItem(text, this);
    note->setFlags(Qt::ItemIsEnabled);
    if (warning)
        note->setForeground(QColor(0xc0, 0x10, 0x10));
    placeUnder(anchor, fontMetrics().horizontalAdvance(text) + 2 * frameWidth() + 3 * spacing()
                           + fontMetrics().averageCharWidth());
}

void ImeCandidateList::placeUnder(const QWidget *anchor, int width)
{
    const int height = fontMetrics().height() + 2 * frameWidth() + 4 * spacing();
    QWidget *window = parentWidget();
    const QPoint below = anchor->mapTo(window, QPoint(0, anchor->height()));
    const int left = std::max(0, std::min(below.x(), window->width() - width));
    // Under the box when there is room, else above it.
    const int top = below.y() + height <= window->height() ? below.y() : below.y() - anchor->height() - height;
    setGeometry(left, top, width, height);
    show();
    raise();
}
