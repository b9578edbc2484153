// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// Decoding and splitting large GBK texts, the first step of loading every
// code list and word list.
#include "core/platform/TextCodec.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray sampleCodeList(int lines)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += "\xd6\xd0\xb9\xfa" "khlg\r\n"; // 中国khlg
    return bytes;
}

void decodeAndSplit(benchmark::State &state)
{
    const QByteArray bytes = sampleCodeList(int(state.range(0)));
    for (auto _ : state) {
        const QStringList lines = TextCodec::splitLines(TextCodec::decode(bytes));
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(decodeAndSplit)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
