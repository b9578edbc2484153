// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"

#include <QString>

#include <optional>

// The background music the main window starts with.
namespace StartupMusic {

// With backMusic 1: the chosen file when it is set and exists, otherwise the
// first "*.mid" of the program folder's "\Music\" folder (by name, any case of
// the extension). Nothing when backMusic is not 1 or there is nothing to play:
// a bare folder is no music file.
std::optional<QString> choose(qint16 backMusic, const QString &backMusicPath,
                              const ProgramFolder &programFolder);

} // namespace StartupMusic
