// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QString>

class WeaknessModel;

// The figures of the keyboard heat map: for each key of the PC keyboard
// that the learner typed, its errors and its typical interval, gathered over
// the characters it types ("a" and "A" are the A key, "!" the 1 key).
class KeyHeat
{
public:
    struct Key
    {
        QString name;         // the key as named to a learner: "A", "1"
        int index = -1;       // into PcKeyboardLayout::keys()
        int tries = 0;
        int errors = 0;
        qint32 typicalMs = -1; // weighted by the decayed tries of its characters; -1 when untimed
        double slowness = 0;   // 0 at the median key's pace up to 1 at twice it or slower

        // Errors in percent, rounded.
        int errorPercent() const { return tries == 0 ? 0 : int(100.0 * errors / tries + 0.5); }
    };

    static KeyHeat of(const WeaknessModel &model);

    // The keys with results, in keyboard order.
    const QList<Key> &keys() const { return m_keys; }
    const Key *key(const QString &name) const;

    // For screen readers: "Q 错误率 12%，平均 300 毫秒；W 错误率 0%，平均 250 毫秒",
    // or "暂无按键记录".
    QString text() const;

private:
    QList<Key> m_keys;
};
