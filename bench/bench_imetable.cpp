// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// The built-in input method loads its table when Chinese practice starts and
// looks up the composition on every key. Measured on the shipped tables.
#include "core/ime/ImeEngine.h"
#include "core/ime/ImeTable.h"

#include <benchmark/benchmark.h>

namespace {

QString tablePath(const char *name)
{
    return QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/") + QLatin1String(name);
}

const ImeTable &table(const char *name)
{
    static const ImeTable wubi = *ImeTable::load(tablePath("wubi86.tbl"));
    static const ImeTable pinyin = *ImeTable::load(tablePath("pinyin.tbl"));
    return qstrcmp(name, "wubi86.tbl") == 0 ? wubi : pinyin;
}

void BM_LoadTable(benchmark::State &state, const char *name)
{
    for (auto _ : state) {
        auto loaded = ImeTable::load(tablePath(name));
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK_CAPTURE(BM_LoadTable, wubi86, "wubi86.tbl")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadTable, pinyin, "pinyin.tbl")->Unit(benchmark::kMillisecond);

// The binary search of one full code: what a key of a four-letter code costs
// before the candidates are made.
void BM_ExactLookup(benchmark::State &state)
{
    const ImeTable &wubi = table("wubi86.tbl");
    const QByteArray codes[] = {"wqiy", "mgkd", "trwu", "ggll", "adnt", "yyyv"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wubi.exact(codes[i++ % std::size(codes)]));
    }
}
BENCHMARK(BM_ExactLookup);

// Whole keys through the engine, candidates included: a typical Wubi text
// of full and short codes, and pinyin syllables.
void BM_EngineKeys(benchmark::State &state, ImeEngine::Method method, const char *keys)
{
    const ImeTable &used = table(method == ImeEngine::Method::Wubi ? "wubi86.tbl" : "pinyin.tbl");
    ImeEngine engine(used, method);
    const QString typed = QString::fromLatin1(keys);
    for (auto _ : state) {
        for (QChar key : typed)
            benchmark::DoNotOptimize(engine.key(key));
    }
    state.SetItemsProcessed(state.iterations() * typed.size());
}
BENCHMARK_CAPTURE(BM_EngineKeys, wubi, ImeEngine::Method::Wubi, "wqiymgkdtrwu g ggllwq adnt1");
BENCHMARK_CAPTURE(BM_EngineKeys, pinyin, ImeEngine::Method::Pinyin, "nihao women zhongguo ");

} // namespace

BENCHMARK_MAIN();
