// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// FindMeaning runs on every key of an English article with word hints on;
// loading runs the first time the hints are switched on. Measured on the
// shipped word lists, beside the scan from the first line that the index
// replaces.
#include "core/practice/MeaningList.h"

#include <benchmark/benchmark.h>

#include <QSet>

namespace {

ProgramFolder shippedFolder()
{
    return ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR));
}

const MeaningList &loadedList()
{
    static const MeaningList list = [] {
        MeaningList loaded(shippedFolder());
        QString error;
        if (!loaded.LoadMeaningList(&error))
            qFatal("%s", qPrintable(error));
        return loaded;
    }();
    return list;
}

// The lookup as a scan of the list from its first line: the same split at
// the first "#" and the same comparison without regard to case.
QString scanFor(const QStringList &lines, const QString &word)
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty())
        return {};
    for (const QString &line : lines) {
        const qsizetype cut = line.indexOf(QLatin1Char('#'));
        if (cut >= 0 && QStringView(line).left(cut).compare(trimmed, Qt::CaseInsensitive) == 0)
            return QStringLiteral("【") + trimmed + QStringLiteral("】 解释：") + line.mid(cut + 1);
    }
    return QStringLiteral("【") + trimmed + QStringLiteral("】未找到该单词解释!");
}

// The word whose first line comes last in the list, the worst case of the
// scan for a word that is found; asked in capitals so that case matters.
QString lastWord()
{
    QSet<QString> seen;
    QString last;
    for (const QString &line : loadedList().lines()) {
        const qsizetype cut = line.indexOf(QLatin1Char('#'));
        if (cut <= 0)
            continue;
        const QString word = line.left(cut);
        const QString key = word.toCaseFolded();
        if (!seen.contains(key)) {
            seen.insert(key);
            last = word;
        }
    }
    return last.toUpper();
}

const QString missingWord = QStringLiteral("qintara");

const QString &wordFor(const benchmark::State &state)
{
    static const QString last = lastWord();
    return state.range(0) == 0 ? last : missingWord;
}

void findMeaning(benchmark::State &state)
{
    const MeaningList &list = loadedList();
    const QString &word = wordFor(state);
    state.SetLabel(qPrintable(word));
    if (list.FindMeaning(word) != scanFor(list.lines(), word))
        state.SkipWithError("the index and the scan disagree");
    for (auto _ : state) {
        QString meaning = list.FindMeaning(word);
        benchmark::DoNotOptimize(meaning);
    }
}

void scanForMeaning(benchmark::State &state)
{
    const QStringList &lines = loadedList().lines();
    const QString &word = wordFor(state);
    state.SetLabel(qPrintable(word));
    for (auto _ : state) {
        QString meaning = scanFor(lines, word);
        benchmark::DoNotOptimize(meaning);
    }
}

void loadMeaningList(benchmark::State &state)
{
    for (auto _ : state) {
        MeaningList list(shippedFolder());
        QString error;
        if (!list.LoadMeaningList(&error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(list.count());
    }
}

} // namespace

// Argument 0: the word found last in the list; 1: a word not in the list.
BENCHMARK(findMeaning)->Arg(0)->Arg(1);
BENCHMARK(scanForMeaning)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadMeaningList)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
