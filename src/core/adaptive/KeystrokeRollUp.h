// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/Keystroke.h"
#include "core/adaptive/KeystrokeHistory.h"

#include <QDate>
#include <QList>

// The arithmetic that turns the detail of the keystroke history into daily
// totals, kept apart from the database so it can be checked on its own.
namespace KeystrokeRollUp {

// An interval longer than this is a pause, not typing: it adds nothing to
// the active time.
constexpr qint32 PauseMs = 10000;

// The local date a key was judged on.
QDate dayOf(qint64 timeMs);

// One row per local day and exercise kind that has keys, sorted by day and
// then by kind. A key's interval counts on the day of the key that ends it,
// also across midnight; a first key (interval -1) adds no time.
QList<DailyTotals> dailyTotals(const QList<Keystroke> &keys);

// Both lists as one, rows of the same day and kind added up, in the order
// of dailyTotals().
QList<DailyTotals> merged(const QList<DailyTotals> &a, const QList<DailyTotals> &b);

} // namespace KeystrokeRollUp
