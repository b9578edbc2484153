// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// Single values of any INI file of the program (the users' "Deplog.ini", the
// skins' "skin.ini"), with the rules of IniDocument.

// The value of key in section of file, "" when the file, the section or the
// key is missing or the file cannot be read or is larger than 1 MB. At most
// 127 bytes of GBK come back; spaces at either end are removed.
QString IniRead(const QString &section, const QString &key, const QString &file);

// Stores value (at most its first 128 characters) as key in section of file,
// replacing an existing value in place and creating the file, section or key
// when missing. The file is replaced atomically; returns false when it cannot
// be read (or is larger than 1 MB) or written, and the old file is then left
// as it was.
bool IniWrite(const QString &section, const QString &key, const QString &value, const QString &file);
