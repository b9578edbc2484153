// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/WeakItem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class RandomSource;
class WeaknessModel;

// The next target of a weak-item drill. A target stands for one or more
// items (a key or character for itself, a character for each of its
// radicals, or for its short code). Of every four draws about three pick an
// item with results by its weakness score -- the weaker, the likelier --
// and then one of the targets standing for it; the fourth draws from the
// whole pool, so that nothing is starved and unseen targets come up too.
// With no results for any item of the pool every draw is from the pool.
class WeakItemDraw
{
public:
    // The share of draws from the whole pool.
    static constexpr double ReviewShare = 0.25;

    struct Candidate
    {
        QString target;
        QStringList items; // the names of the items it stands for
    };

    struct Drawn
    {
        QString target; // empty only for an empty pool
        // Why it came, for the learner: "薄弱：了 常被打成 子（错 6/9）",
        // "薄弱：字根 氵 慢（平均 820 毫秒）", "随机复习", "暂无练习记录：随机抽取".
        QString reason;
    };

    WeakItemDraw(WeakItemKind kind, QList<Candidate> pool);

    WeakItemKind kind() const { return m_kind; }
    bool isEmpty() const { return m_pool.isEmpty(); }
    const QList<Candidate> &pool() const { return m_pool; }

    // Draws with random: one number to choose between weakness and the pool,
    // then for weakness one to choose the item and one its target, for the
    // pool one to choose the target.
    Drawn draw(const WeaknessModel &model, RandomSource &random) const;

    // The reason text for an item (see Drawn::reason).
    static QString reasonFor(const WeakItem &item, double slownessWeight);

private:
    Drawn fromPool(RandomSource &random, const QString &reason) const;

    WeakItemKind m_kind;
    QList<Candidate> m_pool;
    QHash<QString, QStringList> m_targetsOf; // item name to its targets, in pool order
};
