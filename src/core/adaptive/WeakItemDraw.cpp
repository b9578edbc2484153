// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WeakItemDraw.h"

#include "core/adaptive/WeaknessModel.h"
#include "core/material/RandomSource.h"

namespace {

// Below this slowness an item without errors is not called slow.
constexpr double noticeableSlowness = 0.1;

QString labelOf(const WeakItem &item)
{
    switch (item.kind) {
    case WeakItemKind::Radical: return QStringLiteral("字根 ") + item.name;
    case WeakItemKind::Code: return QStringLiteral("编码 ") + item.name;
    case WeakItemKind::Key:
    case WeakItemKind::KeyPair:
    case WeakItemKind::Character: break;
    }
    return item.name;
}

} // namespace

WeakItemDraw::WeakItemDraw(WeakItemKind kind, QList<Candidate> pool)
    : m_kind(kind), m_pool(std::move(pool))
{
    for (const Candidate &candidate : std::as_const(m_pool)) {
        for (const QString &item : candidate.items)
            m_targetsOf[item].append(candidate.target);
    }
}

WeakItemDraw::Drawn WeakItemDraw::draw(const WeaknessModel &model, RandomSource &random) const
{
    if (m_pool.isEmpty())
        return {};
    QList<WeakItem> weak;
    double total = 0;
    for (const WeakItem &item : model.items(m_kind)) {
        if (m_targetsOf.contains(item.name) && item.score > 0) {
            weak.append(item);
            total += item.score;
        }
    }
    if (weak.isEmpty())
        return fromPool(random, QStringLiteral("暂无练习记录：随机抽取"));
    if (random.next() < ReviewShare)
        return fromPool(random, QStringLiteral("随机复习"));

    double at = random.next() * total;
    const WeakItem *chosen = &weak.back();
    for (const WeakItem &item : std::as_const(weak)) {
        if (at < item.score) {
            chosen = &item;
            break;
        }
        at -= item.score;
    }
    const QStringList &targets = m_targetsOf[chosen->name];
    return {targets.at(random.below(int(targets.size()))), reasonFor(*chosen, model.tuning().slownessWeight)};
}

WeakItemDraw::Drawn WeakItemDraw::fromPool(RandomSource &random, const QString &reason) const
{
    return {m_pool.at(random.below(int(m_pool.size()))).target, reason};
}

QString WeakItemDraw::reasonFor(const WeakItem &item, double slownessWeight)
{
    const QString label = labelOf(item);
    const QString count = QStringLiteral("（错 %1/%2）").arg(item.errors).arg(item.tries);
    if (item.weakByErrors(slownessWeight)) {
        const bool confusable = item.kind == WeakItemKind::Key || item.kind == WeakItemKind::Character;
        if (confusable && !item.confusedWith.isEmpty())
            return QStringLiteral("薄弱：%1 常被打成 %2").arg(label, item.confusedWith) + count;
        return QStringLiteral("薄弱：") + label + count;
    }
    if (item.slowness >= noticeableSlowness)
        return QStringLiteral("薄弱：%1 慢（平均 %2 毫秒）").arg(label).arg(item.typicalMs);
    return QStringLiteral("巩固：") + label + count;
}
