// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/WeakDrillPool.h"

#include "core/adaptive/CharacterParts.h"

#include <QSet>

namespace {

bool isKey(const QString &target)
{
    return target.size() == 1 && target.at(0).unicode() > 0x20 && target.at(0).unicode() < 0x7f;
}

bool isChinese(const QString &target)
{
    const QList<uint> points = target.toUcs4();
    return points.size() == 1 && points.front() >= 0x2e80 && QChar::isLetter(char32_t(points.front()));
}

// The targets in order of first appearance: the pool, then the history.
QStringList targetsOf(const QStringList &first, const QList<Keystroke> &history, bool (*wanted)(const QString &))
{
    QStringList targets;
    QSet<QString> seen;
    auto add = [&](const QString &target) {
        if (wanted(target) && !seen.contains(target)) {
            seen.insert(target);
            targets.append(target);
        }
    };
    for (const QString &target : first)
        add(target);
    for (const Keystroke &key : history)
        add(key.target);
    return targets;
}

QStringList charactersOf(QStringView pool)
{
    QStringList characters;
    for (const uint point : pool.toUcs4()) {
        const char32_t c = char32_t(point);
        characters.append(QString::fromUcs4(&c, 1));
    }
    return characters;
}

} // namespace

std::optional<WeakItemKind> WeakDrillPool::kindOf(DrillEntry::Id id)
{
    switch (id) {
    case DrillEntry::Id::WeakKeys: return WeakItemKind::Key;
    case DrillEntry::Id::WeakCharacters: return WeakItemKind::Character;
    case DrillEntry::Id::WeakRadicals: return WeakItemKind::Radical;
    case DrillEntry::Id::WeakShortCodes: return WeakItemKind::Code;
    default: return std::nullopt;
    }
}

WeakItemDraw WeakDrillPool::drawFor(WeakItemKind kind, QStringView characterPool, const QList<Keystroke> &history,
                                    const CharacterParts &parts)
{
    QList<WeakItemDraw::Candidate> pool;
    if (kind == WeakItemKind::Key || kind == WeakItemKind::KeyPair) {
        QStringList letters;
        for (char16_t c = u'a'; c <= u'z'; ++c)
            letters.append(QString(QChar(c)));
        for (const QString &key : targetsOf(letters, history, isKey))
            pool.append({key, {key}});
        return WeakItemDraw(WeakItemKind::Key, pool);
    }
    for (const QString &character : targetsOf(charactersOf(characterPool), history, isChinese)) {
        switch (kind) {
        case WeakItemKind::Character:
            pool.append({character, {character}});
            break;
        case WeakItemKind::Radical:
            if (const QStringList radicals = parts.radicalsOf(character); !radicals.isEmpty())
                pool.append({character, radicals});
            break;
        case WeakItemKind::Code:
            if (parts.shortCodeLevel(character) > 0 && !parts.codeOf(character).isEmpty())
                pool.append({character, {parts.codeOf(character)}});
            break;
        case WeakItemKind::Key:
        case WeakItemKind::KeyPair:
            break;
        }
    }
    return WeakItemDraw(kind, pool);
}
