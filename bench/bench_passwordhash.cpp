// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// The cost of a password: hashing when an account is created or its password
// changed, checking at every login. Both must stay well under a second on a
// slow machine, or the login window seems to hang.
#include "core/users/PasswordHash.h"

#include <benchmark/benchmark.h>

namespace {

void hashPassword(benchmark::State &state)
{
    for (auto _ : state) {
        const std::optional<QString> hashed = PasswordHash::hash(QStringLiteral("密码abc123"));
        benchmark::DoNotOptimize(hashed);
    }
}

void checkHashedPassword(benchmark::State &state)
{
    const QString stored = PasswordHash::hash(QStringLiteral("密码abc123")).value_or(QString());
    for (auto _ : state)
        benchmark::DoNotOptimize(PasswordHash::check(QStringLiteral("密码abc123"), stored));
}

void checkScrambledPassword(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PasswordHash::check(QStringLiteral("abc"), QStringLiteral("959")));
}

} // namespace

BENCHMARK(hashPassword)->Unit(benchmark::kMillisecond);
BENCHMARK(checkHashedPassword)->Unit(benchmark::kMillisecond);
BENCHMARK(checkScrambledPassword)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
