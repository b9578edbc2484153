// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

#include <optional>

// The value an account stores for its password: a salted Argon2id hash in
// libsodium's string form ("$argon2id$v=19$m=...", under 100 characters, so
// it fits the 127-byte limit of a settings value). Accounts written by older
// versions hold the ScramblePassword form instead; such a value is still
// accepted and should be replaced by a hash once the password is known.
namespace PasswordHash {

enum class Match {
    Wrong,         // the typed password does not fit the stored value
    Hashed,        // it fits a stored hash
    Outdated,      // it fits a stored hash of another cost than hash() writes; store a new one
    Legacy,        // it fits a stored scrambled value; store a hash instead
    Damaged,       // the stored hash is not one this program writes: "已损坏的用户文件！"
};

// A new salted hash of the password (UTF-8). Fails only when the system
// cannot give the memory the hash needs; *error then says so.
std::optional<QString> hash(const QString &password, QString *error = nullptr);

// Whether the stored value is a hash (as opposed to an older scrambled value).
bool isHash(const QString &stored);

// Whether a stored hash is cheap enough to check: "$argon2id$v=19$m=M,t=T,p=P$
// salt$hash" with M, T and P no larger than earlier versions wrote (64 MiB,
// 2 passes, one lane; hash() now writes 19 MiB). The stored hash decides how long a check takes and how much
// memory it needs, so a damaged or hostile one (t=4294967295, m=4194304)
// would hang the login for hours or take gigabytes.
bool isAcceptableHash(const QString &stored);

// Checks a typed password against a stored value of either kind. A hash only
// accepts its own password; a scrambled value (including the empty value of
// a missing entry) accepts every password that scrambles to it. A value that
// looks like a hash ("$argon2...") but is not acceptable is Damaged for every
// typed password, at once, without hashing anything.
Match check(const QString &typed, const QString &stored);

} // namespace PasswordHash
