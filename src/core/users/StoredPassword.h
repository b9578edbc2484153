// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/users/PasswordHash.h"

#include <QString>

// The password entry of an account: section "user", key "password" of the
// user's "Deplog.ini". New values are always hashes; older files may hold the
// scrambled form or a hash of another cost, which a successful check replaces. A settings file that is
// damaged (see readSettingsDocument) holds no password and is never written.
namespace StoredPassword {

// The stored value; "" when the file or the entry is missing, or the file is
// damaged.
QString read(const QString &settingsFile);

// Stores a new salted hash of the password, creating the file or the entry
// when missing. False when hashing or writing fails or the file is damaged
// (*error says why); the file is then unchanged.
bool write(const QString &settingsFile, const QString &password, QString *error = nullptr);

// Compares a typed password with the stored value, changing nothing. Damaged
// when the file exists but is damaged, or holds a hash this program would not
// write; a missing file or entry is the empty scrambled value.
PasswordHash::Match compare(const QString &settingsFile, const QString &typed);

// As compare(); when the password fits an older scrambled value or a hash of
// another cost than new ones, and the file exists, the value is replaced by a
// new hash. Should that write fail the old
// value stays and the check still succeeds, since the password was right.
PasswordHash::Match check(const QString &settingsFile, const QString &typed);

} // namespace StoredPassword
