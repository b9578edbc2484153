// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/results/ChartLayout.h"
#include "core/results/GradeRecord.h"

#include <QList>
#include <QWidget>

// The bar chart of the analysis view: the speed axis with its grid, and the
// average speeds of up to seven results as bars in their speed colours, each
// with its shadow, its speed above and its date and weekday below. It paints
// the ChartLayout of the records handed to it, scaled to its own size (the
// chart frame's 8835 x 6435 twips), and leaves the scroll bar's strip at the
// bottom to the scroll bar laid over it. Screen readers get the spoken
// summary of the bars as its accessible description.
class ResultChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ResultChartView(QWidget *parent = nullptr);

    // The records of slots 0 to 6, oldest first; records beyond the seventh
    // are not shown, and the slots after the last record read "无记录".
    void setRecords(const QList<GradeRecord> &records);
    const QList<GradeRecord> &records() const { return m_records; }

    // Where everything is painted at the present size.
    ChartLayout chartLayout() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<GradeRecord> m_records;
};
