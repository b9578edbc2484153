// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/PasswordHash.h"

#include "core/users/ScramblePassword.h"

#include <sodium.h>

#include <array>
#include <cstring>

namespace {

bool sodiumReady()
{
    // sodium_init is safe to call again; it answers 1 once initialised.
    return sodium_init() >= 0;
}

const QLatin1String hashPrefix("$argon2");

// The cost of every hash this program writes: Argon2id with 19 MiB and two
// passes, the smallest setting OWASP recommends. It keeps the check to a
// few tens of milliseconds, so the main window follows the Enter key at once.
constexpr unsigned long long writtenPasses = 2;
constexpr size_t writtenMemoryBytes = size_t(19) * 1024 * 1024;
// The dearest hash a check accepts: libsodium's interactive limits (64 MiB,
// two passes), which earlier versions wrote.
constexpr quint64 acceptedPasses = crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE;
constexpr quint64 acceptedMemoryKib = crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE / 1024;
// Argon2 1.3, the only version libsodium checks.
constexpr quint64 writtenVersion = 19;

// A C string copy of a stored hash for libsodium; stored is shorter than the
// buffer (isAcceptableHash).
std::array<char, crypto_pwhash_argon2id_STRBYTES> cString(const QString &stored)
{
    std::array<char, crypto_pwhash_argon2id_STRBYTES> buffer {};
    const QByteArray latin1 = stored.toLatin1();
    std::memcpy(buffer.data(), latin1.constData(), size_t(latin1.size()));
    return buffer;
}

// Reads "<literal><decimal>" at the front of text: plain digits without a
// leading zero, at most 2^32 - 1, as the hash format writes them.
std::optional<quint64> takeNumber(QByteArrayView &text, const char *literal)
{
    const qsizetype literalSize = qsizetype(std::strlen(literal));
    if (!text.startsWith(literal))
        return std::nullopt;
    text = text.sliced(literalSize);
    qsizetype digits = 0;
    quint64 value = 0;
    while (digits < text.size() && text.at(digits) >= '0' && text.at(digits) <= '9') {
        value = value * 10 + quint64(text.at(digits) - '0');
        if (++digits > 10)
            return std::nullopt;
    }
    if (digits == 0 || (digits > 1 && text.at(0) == '0') || value > 0xFFFFFFFFull)
        return std::nullopt;
    text = text.sliced(digits);
    return value;
}

// Reads "$<base64 without padding>" at the front of text.
bool takeBase64(QByteArrayView &text)
{
    if (!text.startsWith('$'))
        return false;
    qsizetype size = 1;
    while (size < text.size() && text.at(size) != '$') {
        const char c = text.at(size);
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+'
              || c == '/'))
            return false;
        ++size;
    }
    if (size == 1)
        return false;
    text = text.sliced(size);
    return true;
}

} // namespace

namespace PasswordHash {

std::optional<QString> hash(const QString &password, QString *error)
{
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_argon2id_STRBYTES];
    if (!sodiumReady()
        || crypto_pwhash_argon2id_str(out, bytes.constData(), quint64(bytes.size()), writtenPasses,
                                      writtenMemoryBytes) != 0) {
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

bool isAcceptableHash(const QString &stored)
{
    // A value read from a settings file holds at most 127 bytes.
    if (stored.size() >= qsizetype(crypto_pwhash_argon2id_STRBYTES))
        return false;
    for (QChar c : stored) {
        if (c.unicode() < 0x21 || c.unicode() > 0x7E)
            return false;
    }
    const QByteArray latin1 = stored.toLatin1();
    QByteArrayView rest(latin1);
    if (!rest.startsWith(crypto_pwhash_argon2id_STRPREFIX))
        return false;
    rest = rest.sliced(qsizetype(std::strlen(crypto_pwhash_argon2id_STRPREFIX)));
    const std::optional<quint64> version = takeNumber(rest, "v=");
    const std::optional<quint64> memory = takeNumber(rest, "$m=");
    const std::optional<quint64> passes = takeNumber(rest, ",t=");
    const std::optional<quint64> lanes = takeNumber(rest, ",p=");
    if (!version || !memory || !passes || !lanes || !takeBase64(rest) || !takeBase64(rest) || !rest.isEmpty())
        return false;
    if (*version != writtenVersion || *memory > acceptedMemoryKib || *passes > acceptedPasses || *lanes != 1)
        return false;
    // Lower costs than ours are fine; what libsodium still cannot read (too
    // little memory for its lane, a salt too short) is as damaged as the rest.
    return sodiumReady()
        && crypto_pwhash_argon2id_str_needs_rehash(cString(stored).data(), writtenPasses, writtenMemoryBytes) >= 0;
}

Match check(const QString &typed, const QString &stored)
{
    if (!isHash(stored))
        return ScramblePassword(typed) == stored ? Match::Legacy : Match::Wrong;
    if (!isAcceptableHash(stored))
        return Match::Damaged;
    const auto buffer = cString(stored);
    const QByteArray bytes = typed.toUtf8();
    if (crypto_pwhash_argon2id_str_verify(buffer.data(), bytes.constData(), quint64(bytes.size())) != 0)
        return Match::Wrong;
    return crypto_pwhash_argon2id_str_needs_rehash(buffer.data(), writtenPasses, writtenMemoryBytes) == 0
        ? Match::Hashed
        : Match::Outdated;
}

} // namespace PasswordHash
