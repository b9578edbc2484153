// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/Keystroke.h"

#include <QDate>
#include <QList>

// The judged keys of one day and exercise kind, summed up: what is left of
// the detail once it is rolled up, and what the trends are drawn from.
struct DailyTotals
{
    QDate day;                        // local date of the keys
    ExerciseKind kind = ExerciseKind::Letters;
    int judged = 0;                   // keys judged
    int wrong = 0;                    // of them wrong
    qint64 activeMs = 0;              // sum of the intervals, pauses (over 10 s) left out
    int committed = 0;                // keys that carry a code: commits of the built-in input
    int codeLetters = 0;              // letters of those codes

    bool operator==(const DailyTotals &) const = default;
};

// A user's keystroke history: every judged key as it happens, the detail of
// the newest days, and a daily summary of all days.
class KeystrokeHistory
{
public:
    virtual ~KeystrokeHistory() = default;

    // Keeps one key. Called on the key path: returns at once, never waits
    // for a disk.
    virtual void record(const Keystroke &k) = 0;
    // The detail kept (the newest days) from sinceMs (ms since the epoch) on,
    // oldest first; keys recorded but not yet written are included.
    virtual QList<Keystroke> detail(qint64 sinceMs) = 0;
    // Every day, rolled-up and detail alike, oldest first; within a day in
    // the order of ExerciseKind.
    virtual QList<DailyTotals> dailyTotals() = 0;
};
