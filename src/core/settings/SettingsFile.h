// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/settings/Settings.h"

#include <QString>

#include <optional>

// Moving the whole Settings record to and from a user's "Deplog.ini". The
// sections are "skin", "music", "play", "other" and "exercise", each key named
// as its field; the section "user" (the password) is never touched here.

// Reads every key into a record. A missing key or file reads as "" (0 for a
// number, as does a value that is not a number), so a hand-edited file or one
// that holds only a password still loads; CheckSettings repairs what matters.
// nullopt only when the file exists but cannot be read (*error says why).
std::optional<Settings> LoadSettings(const QString &file, QString *error = nullptr);

// Writes every field under its section and key, in file order, numbers as
// plain decimal text. Existing lines keep their place and spelling (a "[Play]"
// header stays "[Play]"); missing sections and keys are added. The file is
// replaced in one atomic step; on failure it is left as it was, false is
// returned and *error says why.
bool SaveSettings(const Settings &settings, const QString &file, QString *error = nullptr);

// Gives a new user's values to the fields that have one. P1Text, P1Speed,
// P2Text, P2Speed, P3Speed, Eword, Cword, Phrase, Earticle and Carticle are
// left as they are.
void DefaultSettings(Settings &settings, const ProgramFolder &folder);

// The background music of a new user: the Music folder's first "*.mid" file
// by name, or the Music folder itself followed by "/" when it has none.
QString DefaultMusicPath(const ProgramFolder &folder);
