// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/users/PasswordHash.h"

#include <QString>

// The password entry of an account: section "user", key "password" of the
// user's "Deplog.ini". New values are always hashes; older files may hold the
// scrambled form, which a successful check replaces.
namespace StoredPassword {

// The stored value; "" when the file or the entry is missing.
QString read(const QString &settingsFile);

// Stores a new salted hash of the password, creating the file or the entry
// when missing. False when hashing or writing fails (*error says why); the
// file is then unchanged.
bool write(const QString &settingsFile, const QString &password, QString *error = nullptr);

// Checks a typed password against the stored value. When it fits an older
// scrambled value and the file exists, the value is replaced by a hash; should
// that write fail the old value stays and the check still succeeds, since the
// password was right.
PasswordHash::Match check(const QString &settingsFile, const QString &typed);

} // namespace StoredPassword
