// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/settings/IniDocument.h"
#include "core/settings/Settings.h"

#include <QString>

#include <optional>

// Moving the whole Settings record to and from a user's "Deplog.ini". The
// sections are "skin", "music", "play", "other" and "exercise", each key named
// as its field; the section "user" (the password) is never touched here.
// Paths (BackMusicpath, Earticle, Carticle) are absolute in the record; one
// too long for a settings value is kept in the file relative to the program
// folder (SettingsPath).

// The user's settings file as a document, to read from or to change. A
// missing file is an empty document. nullopt, and *error says why, when the
// file cannot be read, is larger than IniDocument::MaxFileBytes, or exists
// but is no settings file at all (not IniDocument::isIniText: random bytes,
// NULs, text that is not GBK, no section): such a file is damaged, and
// nothing may take a password from it or write into it.
std::optional<IniDocument> readSettingsDocument(const QString &file, QString *error = nullptr);

// Reads every key into a record. A missing key or file reads as "" (0 for a
// number, as does a value that is not a number), so a hand-edited file or one
// that holds only a password still loads; CheckSettings repairs what matters.
// nullopt when readSettingsDocument refuses the file (*error says why).
std::optional<Settings> LoadSettings(const QString &file, const ProgramFolder &folder,
                                     QString *error = nullptr);
Settings LoadSettings(const IniDocument &document, const ProgramFolder &folder);

// Writes every field under its section and key, in file order, numbers as
// plain decimal text. Existing lines keep their place and spelling (a "[Play]"
// header stays "[Play]"); missing sections and keys are added. The file is
// replaced in one atomic step; on failure, or when readSettingsDocument
// refuses the file, it is left as it was, false is returned and *error says
// why.
bool SaveSettings(const Settings &settings, const QString &file, const ProgramFolder &folder,
                  QString *error = nullptr);

// Gives a new user's values to the fields that have one. P1Text, P1Speed,
// P2Text, P2Speed, P3Speed, Eword, Cword, Phrase, Earticle and Carticle are
// left as they are.
void DefaultSettings(Settings &settings, const ProgramFolder &folder);

// The background music of a new user: the Music folder's first "*.mid" file
// by name, or the Music folder itself followed by "/" when it has none.
QString DefaultMusicPath(const ProgramFolder &folder);
