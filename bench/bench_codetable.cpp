// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// FindCode runs on every key of the Chinese drills and up to four times per
// key with smart word choice; loading runs at start-up and on a change of
// input method. Measured on the shipped Wubi tables.
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

namespace {

const QString wubi = QStringLiteral("五笔");

Settings wubiSettings()
{
    Settings settings;
    settings.InputMeans = wubi;
    return settings;
}

const Settings settings = wubiSettings();

CodeTable &loadedTable()
{
    static CodeTable table = [] {
        CodeTable loaded(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), settings);
        QString error;
        if (!loaded.LoadCodeTable(wubi, &error))
            qFatal("%s", qPrintable(error));
        return loaded;
    }();
    return table;
}

// The text part of every line of the list for texts of textLength characters.
QStringList textsOf(qsizetype textLength)
{
    QStringList texts;
    for (const QString &line : loadedTable().list(textLength).lines())
        texts += line.left(textLength);
    return texts;
}

// Phrases of two Chinese characters that are not in the table.
QStringList missingPhrases()
{
    const QStringList characters = textsOf(1);
    QRandomGenerator random(7);
    QStringList phrases;
    while (phrases.size() < 10000) {
        const QString phrase = characters.at(random.bounded(characters.size()))
                               + characters.at(random.bounded(characters.size()));
        QString found, code;
        loadedTable().FindCode(phrase, found, code);
        if (found.isEmpty())
            phrases += phrase;
    }
    return phrases;
}

// Looks the texts up in turn, one lookup per iteration.
void lookUp(benchmark::State &state, const QStringList &texts)
{
    CodeTable &table = loadedTable();
    qsizetype next = 0;
    for (auto _ : state) {
        QString found, code;
        table.FindCode(texts.at(next), found, code);
        benchmark::DoNotOptimize(code);
        next = next + 1 == texts.size() ? 0 : next + 1;
    }
}

void findCharacter(benchmark::State &state)
{
    lookUp(state, textsOf(1));
}

void findPhrase(benchmark::State &state)
{
    lookUp(state, textsOf(state.range(0)));
}

void findMissingPhrase(benchmark::State &state)
{
    lookUp(state, missingPhrases());
}

void findNonChinese(benchmark::State &state)
{
    lookUp(state, {QStringLiteral("ab"), QStringLiteral("中a"), QStringLiteral("a中")});
}

// The lookup as a scan of the list from its first line, for comparison: the
// cost the index saves on a phrase that is not in the list.
void scanForMissingPhrase(benchmark::State &state)
{
    const QStringList lines = loadedTable().list(2).lines();
    const QStringList texts = missingPhrases();
    qsizetype next = 0;
    for (auto _ : state) {
        const QString &text = texts.at(next);
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QString &l) { return l.contains(text); });
        benchmark::DoNotOptimize(line);
        next = next + 1 == texts.size() ? 0 : next + 1;
    }
}

void loadWubiTables(benchmark::State &state)
{
    CodeTable table(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), settings);
    for (auto _ : state) {
        QString error;
        if (!table.ReloadCodeTable(wubi, &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(table.list(2).lineCount());
    }
}

} // namespace

BENCHMARK(findCharacter);
BENCHMARK(findPhrase)->DenseRange(2, 4);
BENCHMARK(findMissingPhrase);
BENCHMARK(findNonChinese);
BENCHMARK(scanForMissingPhrase)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadWubiTables)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
