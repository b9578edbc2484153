// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WeaknessModel.h"

#include "core/adaptive/CharacterParts.h"

#include <QMap>

#include <algorithm>
#include <cmath>

namespace {

constexpr double msPerDay = 24.0 * 60 * 60 * 1000;

// One judged result as it counts for one item.
struct Sample
{
    qint64 timeMs;
    bool correct;
    qint32 intervalMs;
    QString typed;
};

bool isKeyKind(ExerciseKind kind)
{
    return kind == ExerciseKind::Letters || kind == ExerciseKind::Words || kind == ExerciseKind::EnglishArticle;
}

bool isKeyTarget(const QString &target)
{
    return target.size() == 1 && target.at(0).unicode() > 0x20 && target.at(0).unicode() < 0x7f;
}

bool isChineseCharacter(const QString &target)
{
    const QList<uint> points = target.toUcs4();
    if (points.size() != 1)
        return false;
    const uint point = points.front();
    // CJK radicals supplement onwards; punctuation and kana are not learned by code.
    return point >= 0x2e80 && QChar::isLetter(char32_t(point));
}

// The weighted median: the smallest value at which the weights below and at
// it reach half of all.
qint32 weightedMedian(QList<std::pair<qint32, double>> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    double total = 0;
    for (const auto &value : values)
        total += value.second;
    double sum = 0;
    for (const auto &value : values) {
        sum += value.second;
        if (sum >= total / 2)
            return value.first;
    }
    return values.back().first;
}

WeakItem summarise(WeakItemKind kind, const QString &name, QList<Sample> samples, qint64 nowMs,
                   const WeaknessModel::Tuning &tuning, double &timedWeight)
{
    // Newest first, so the count decay can run along the list.
    std::stable_sort(samples.begin(), samples.end(),
                     [](const Sample &a, const Sample &b) { return a.timeMs > b.timeMs; });
    WeakItem item;
    item.kind = kind;
    item.name = name;
    item.lastMs = samples.front().timeMs;
    double errors = 0;
    timedWeight = 0;
    QList<std::pair<qint32, double>> intervals;
    QMap<QString, std::pair<int, qint64>> wrongTyped;
    for (qsizetype n = 0; n < samples.size(); ++n) {
        const Sample &sample = samples.at(n);
        const double ageDays = std::max<double>(0, double(nowMs - sample.timeMs) / msPerDay);
        const double weight = std::pow(0.5, ageDays / tuning.halfLifeDays) * std::pow(0.5, double(n) / tuning.countHalfLife);
        ++item.tries;
        item.weight += weight;
        if (!sample.correct) {
            ++item.errors;
            errors += weight;
            if (!sample.typed.isEmpty()) {
                auto &seen = wrongTyped[sample.typed];
                ++seen.first;
                seen.second = std::max(seen.second, sample.timeMs);
            }
        }
        if (sample.intervalMs >= 0) {
            intervals.append({std::min(sample.intervalMs, tuning.longestIntervalMs), weight});
            timedWeight += weight;
        }
    }
    item.errorRate = (errors + tuning.priorTries * tuning.priorErrorRate) / (item.weight + tuning.priorTries);
    item.typicalMs = weightedMedian(intervals);
    qint64 confusedLast = -1;
    for (auto it = wrongTyped.cbegin(); it != wrongTyped.cend(); ++it) {
        const auto [count, lastMs] = it.value();
        if (count > item.confusedCount || (count == item.confusedCount && lastMs > confusedLast)) {
            item.confusedWith = it.key();
            item.confusedCount = count;
            confusedLast = lastMs;
        }
    }
    return item;
}

} // namespace

WeaknessModel WeaknessModel::build(const QList<Keystroke> &history, qint64 nowMs, const CharacterParts *parts)
{
    return build(history, nowMs, parts, Tuning());
}

WeaknessModel WeaknessModel::build(const QList<Keystroke> &history, qint64 nowMs, const CharacterParts *parts,
                                   const Tuning &tuning)
{
    QList<Keystroke> ordered = history;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Keystroke &a, const Keystroke &b) { return a.timeMs < b.timeMs; });

    QHash<WeakItemKind, QMap<QString, QList<Sample>>> samples;
    const Keystroke *previous = nullptr;
    for (const Keystroke &key : ordered) {
        const Sample sample{std::min(key.timeMs, nowMs), key.correct, key.intervalMs, key.typed};
        if (isKeyKind(key.kind) && isKeyTarget(key.target)) {
            samples[WeakItemKind::Key][key.target].append(sample);
            const bool retry = previous && !previous->correct && previous->target == key.target;
            if (previous && key.intervalMs >= 0 && previous->kind == key.kind && isKeyTarget(previous->target)
                && !retry)
                samples[WeakItemKind::KeyPair][previous->target + key.target].append(sample);
        } else if (isChineseCharacter(key.target)) {
            samples[WeakItemKind::Character][key.target].append(sample);
            if (parts) {
                for (const QString &radical : parts->radicalsOf(key.target))
                    samples[WeakItemKind::Radical][radical].append(sample);
                const QString code = parts->codeOf(key.target);
                if (!code.isEmpty())
                    samples[WeakItemKind::Code][code].append(sample);
            }
        }
        previous = &key;
    }

    WeaknessModel model;
    model.m_tuning = tuning;
    for (auto kind = samples.cbegin(); kind != samples.cend(); ++kind) {
        QHash<QString, WeakItem> &items = model.m_items[kind.key()];
        QHash<QString, double> timedWeights;
        QList<qint32> typical;
        for (auto it = kind.value().cbegin(); it != kind.value().cend(); ++it) {
            double timedWeight = 0;
            const WeakItem item = summarise(kind.key(), it.key(), it.value(), nowMs, tuning, timedWeight);
            items.insert(it.key(), item);
            timedWeights.insert(it.key(), timedWeight);
            if (item.typicalMs > 0)
                typical.append(item.typicalMs);
        }
        // Slowness is measured against the learner's own usual pace for
        // this kind of item, not against a fixed figure.
        std::sort(typical.begin(), typical.end());
        const double usual = typical.isEmpty() ? 0 : typical.at((typical.size() - 1) / 2);
        for (auto it = items.begin(); it != items.end(); ++it) {
            WeakItem &item = it.value();
            if (usual > 0 && item.typicalMs > 0) {
                const double raw = std::clamp(std::log2(item.typicalMs / usual), 0.0, 1.0);
                const double timed = timedWeights.value(it.key());
                item.slowness = raw * timed / (timed + tuning.priorTries);
            }
            item.score = item.errorRate + tuning.slownessWeight * item.slowness;
        }
    }
    return model;
}

QList<WeakItem> WeaknessModel::items(WeakItemKind kind) const
{
    QList<WeakItem> list = m_items.value(kind).values();
    std::sort(list.begin(), list.end(), [](const WeakItem &a, const WeakItem &b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.lastMs != b.lastMs)
            return a.lastMs > b.lastMs;
        return a.name < b.name;
    });
    return list;
}

const WeakItem *WeaknessModel::item(WeakItemKind kind, const QString &name) const
{
    const auto kindItems = m_items.constFind(kind);
    if (kindItems == m_items.cend())
        return nullptr;
    const auto found = kindItems->constFind(name);
    return found == kindItems->cend() ? nullptr : &found.value();
}
