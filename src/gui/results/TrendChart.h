// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/DailyTrend.h"

#include <QWidget>

// The trends of the weakness view: 字/分, 击键 and 码长 per day as three line
// charts one above the other, each scaled to its own highest value, days
// from left to right. Screen readers get every day's figures as the
// accessible description.
class TrendChart : public QWidget
{
    Q_OBJECT

public:
    explicit TrendChart(QWidget *parent = nullptr);

    void setTrend(const DailyTrend &trend);
    const DailyTrend &trend() const { return m_trend; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DailyTrend m_trend;
};
