// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/Keystroke.h"
#include "core/adaptive/WeakItem.h"

#include <QHash>
#include <QList>

class CharacterParts;

// How weak the learner is at each key, key pair, character, radical and
// code, worked out from the keystroke history.
//
// Each result of an item weighs 0.5^(age / halfLifeDays) x 0.5^(later tries
// of the same item / countHalfLife), so last week counts half as much as
// today and the latest tries of a much practised item count most. The error
// rate is (decayed errors + priorTries x priorErrorRate) / (decayed tries +
// priorTries): one error in one try is about a third, not all. The typical
// interval is the weighted median of the intervals before the item (pauses
// longer than longestIntervalMs count as that long); slowness is
// log2(typical / the median of that kind's typical intervals), 0 to 1,
// shrunk the same way while there are few timed tries. The score is the
// error rate plus slownessWeight x slowness.
//
// Which results count for what:
// - a key: a target of one printable ASCII character other than a space
//   from the letter, word and English-article exercises;
// - a key pair: such a key after the key before it in the same exercise
//   (its interval is not -1); a retry after a wrong key is no pair;
// - a character: a target of one Chinese character, from any exercise;
// - its radicals and its code, when character parts are given: the result
//   of the character counts for each of its radicals and for its code.
class WeaknessModel
{
public:
    struct Tuning
    {
        double halfLifeDays = 7;
        double countHalfLife = 20;
        double priorTries = 2;
        double priorErrorRate = 0.05;
        double slownessWeight = 0.5;
        qint32 longestIntervalMs = 5000;
    };

    WeaknessModel() = default;

    // The model of history (any order) as of nowMs (ms since the epoch);
    // results after nowMs count as now. parts may be null: then there are no
    // radical and code items.
    static WeaknessModel build(const QList<Keystroke> &history, qint64 nowMs, const CharacterParts *parts,
                               const Tuning &tuning);
    static WeaknessModel build(const QList<Keystroke> &history, qint64 nowMs, const CharacterParts *parts = nullptr);

    // The items of a kind with results, weakest first (ties: the most
    // recently judged first, then by name).
    QList<WeakItem> items(WeakItemKind kind) const;
    // One item, or null when it has no results.
    const WeakItem *item(WeakItemKind kind, const QString &name) const;

    bool isEmpty() const { return m_items.isEmpty(); }
    const Tuning &tuning() const { return m_tuning; }

private:
    Tuning m_tuning;
    QHash<WeakItemKind, QHash<QString, WeakItem>> m_items;
};
