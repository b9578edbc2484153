// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

#include <optional>

namespace CharacterPool {

// The characters of a pool file, every one of which can be drawn. Line
// breaks are not part of the pool: a target has to be a key the user can
// type, and a pool saved with a line break at its end (or split over lines)
// keeps all its characters. nullopt when the file cannot be read, with
// *error saying why; a file without characters gives an empty pool.
std::optional<QString> load(const QString &path, QString *error = nullptr);

} // namespace CharacterPool
