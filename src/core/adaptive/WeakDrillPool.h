// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/Keystroke.h"
#include "core/adaptive/WeakItemDraw.h"
#include "core/material/DrillEntry.h"

#include <QList>
#include <QStringView>

#include <optional>

class CharacterParts;

// The pools of the weak-item drills.
namespace WeakDrillPool {

// The kind of item a drill entry trains: keys, characters, radicals or
// codes for the four weak entries; nullopt for every other entry.
std::optional<WeakItemKind> kindOf(DrillEntry::Id id);

// The draw of a weak drill. Keys: the 26 lower-case letters and every key
// (letter or symbol) of history. Characters: the characters of
// characterPool and every character of history. Radicals: those characters
// with radicals, each standing for its radicals. Codes: those characters
// with a short code (first to third level), each standing for its code.
// Targets keep the order of their first appearance.
WeakItemDraw drawFor(WeakItemKind kind, QStringView characterPool, const QList<Keystroke> &history,
                     const CharacterParts &parts);

} // namespace WeakDrillPool
