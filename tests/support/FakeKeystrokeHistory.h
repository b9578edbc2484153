// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/KeystrokeHistory.h"

// A keystroke history in memory, for views and drills that read one: the
// detail and the daily totals are what the test puts in; reads are counted.
class FakeKeystrokeHistory : public KeystrokeHistory
{
public:
    void record(const Keystroke &k) override { keys.append(k); }
    QList<Keystroke> detail(qint64 sinceMs) override
    {
        ++detailReads;
        QList<Keystroke> since;
        for (const Keystroke &key : std::as_const(keys)) {
            if (key.timeMs >= sinceMs)
                since.append(key);
        }
        return since;
    }
    QList<DailyTotals> dailyTotals() override { return totals; }

    QList<Keystroke> keys;
    QList<DailyTotals> totals;
    int detailReads = 0;
};
