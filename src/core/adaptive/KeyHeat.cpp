// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/KeyHeat.h"

#include "core/adaptive/WeaknessModel.h"
#include "core/keyboard/PcKeyboardLayout.h"

#include <QMap>
#include <QStringList>

#include <algorithm>
#include <cmath>

KeyHeat KeyHeat::of(const WeaknessModel &model)
{
    const QList<KeyCap> &caps = PcKeyboardLayout::keys();
    struct Sum
    {
        int tries = 0;
        int errors = 0;
        double timedWeight = 0;
        double weightedMs = 0;
    };
    QMap<int, Sum> sums;
    for (const WeakItem &item : model.items(WeakItemKind::Key)) {
        const KeyCap *cap = PcKeyboardLayout::keyFor(item.name);
        if (!cap)
            continue;
        Sum &sum = sums[int(cap - caps.data())];
        sum.tries += item.tries;
        sum.errors += item.errors;
        if (item.typicalMs >= 0) {
            sum.timedWeight += item.weight;
            sum.weightedMs += item.weight * item.typicalMs;
        }
    }
    KeyHeat heat;
    QList<qint32> typical;
    for (auto it = sums.cbegin(); it != sums.cend(); ++it) {
        Key key;
        key.index = it.key();
        key.name = caps.at(it.key()).name;
        key.tries = it->tries;
        key.errors = it->errors;
        if (it->timedWeight > 0) {
            key.typicalMs = qint32(std::lround(it->weightedMs / it->timedWeight));
            typical.append(key.typicalMs);
        }
        heat.m_keys.append(key);
    }
    std::sort(typical.begin(), typical.end());
    const double usual = typical.isEmpty() ? 0 : typical.at((typical.size() - 1) / 2);
    for (Key &key : heat.m_keys) {
        if (usual > 0 && key.typicalMs > 0)
            key.slowness = std::clamp(std::log2(key.typicalMs / usual), 0.0, 1.0);
    }
    return heat;
}

const KeyHeat::Key *KeyHeat::key(const QString &name) const
{
    const auto found = std::find_if(m_keys.cbegin(), m_keys.cend(), [&](const Key &key) { return key.name == name; });
    return found == m_keys.cend() ? nullptr : &*found;
}

QString KeyHeat::text() const
{
    if (m_keys.isEmpty())
        return QStringLiteral("暂无按键记录");
    QStringList parts;
    for (const Key &key : m_keys) {
        QString part = QStringLiteral("%1 错误率 %2%").arg(key.name).arg(key.errorPercent());
        if (key.typicalMs >= 0)
            part += QStringLiteral("，平均 %1 毫秒").arg(key.typicalMs);
        parts.append(part);
    }
    return parts.join(u'；');
}
