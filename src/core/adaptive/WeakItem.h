// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The things a learner can be weak at: a key (a letter or symbol of the
// English drills and articles), a key pair (a key after the one before it in
// the same exercise), a Chinese character, a radical of a character's Wubi
// code, and a character's code (its short code where it has one).
enum class WeakItemKind {
    Key,
    KeyPair,
    Character,
    Radical,
    Code,
};

// How well one item goes, as the weakness model sees it. Recent results
// weigh more; the counts are plain counts for showing to the learner.
struct WeakItem
{
    WeakItemKind kind = WeakItemKind::Key;
    QString name;             // "a", "th", "了", a radical's name ("氵"), a code ("bn")
    int tries = 0;            // judged results counted for it
    int errors = 0;           // of those, wrong
    double weight = 0;        // the tries after decay
    double errorRate = 0;     // decayed, and pulled towards the usual rate while weight is small; 0 to 1
    qint32 typicalMs = -1;    // weighted median interval before it, ms; -1 with no timed try
    double slowness = 0;      // 0 (as fast as the learner's usual) to 1 (twice as slow or worse)
    double score = 0;         // error rate plus weighted slowness: the higher, the weaker
    QString confusedWith;     // what it was typed as most often when wrong; empty if never
    int confusedCount = 0;
    qint64 lastMs = 0;        // when it was last judged

    // Whether errors, rather than slowness, make most of the score.
    bool weakByErrors(double slownessWeight) const { return errors > 0 && errorRate >= slownessWeight * slowness; }
};
