// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/PasswordHash.h"

#include "core/users/ScramblePassword.h"

#include <sodium.h>

namespace {

bool sodiumReady()
{
    // sodium_init is safe to call again; it answers 1 once initialised.
    return sodium_init() >= 0;
}

const QLatin1String hashPrefix("$argon2");

} // namespace

namespace PasswordHash {

std::optional<QString> hash(const QString &password, QString *error)
{
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    // Interactive limits keep a login well under a second on a slow machine.
    if (!sodiumReady()
        || crypto_pwhash_str(out, bytes.constData(), quint64(bytes.size()),
                             crypto_pwhash_OPSLIMIT_INTERACTIVE,
                             crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        if (error)
            *error = QStringLiteral("内存不足，无法计算密码摘要");
        return std::nullopt;
    }
    return QString::fromLatin1(out);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(hashPrefix);
}

Match check(const QString &typed, const QString &stored)
{
    if (!isHash(stored))
        return ScramblePassword(typed) == stored ? Match::Legacy : Match::Wrong;
    const QByteArray hashed = stored.toLatin1();
    const QByteArray bytes = typed.toUtf8();
    if (!sodiumReady()
        || crypto_pwhash_str_verify(hashed.constData(), bytes.constData(), quint64(bytes.size())) != 0)
        return Match::Wrong;
    return Match::Hashed;
}

} // namespace PasswordHash
