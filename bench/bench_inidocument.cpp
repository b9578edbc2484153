// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// Loading and saving a settings file of the largest size accepted (1 MB), as
// a login and a quit do: a hand-grown or damaged "Deplog.ini" must not
// freeze either. One pass over the file each way, in milliseconds.
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextCodec.h"
#include "core/settings/IniDocument.h"
#include "core/settings/SettingsFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A real settings file followed by sections of keys with Chinese values, up
// to just under IniDocument::MaxFileBytes.
QByteArray largeSettingsFile()
{
    QByteArray bytes = "[user]\r\npassword=959\r\n[skin]\r\nSkinpath=\r\n[music]\r\nBackMusic=1\r\n"
                       "[Play]\r\nMaxTss=7\r\n[other]\r\nInputMeans="
                       + TextCodec::encode(QStringLiteral("五笔")) + "\r\nSpeed=200\r\n";
    const QByteArray value = TextCodec::encode(QStringLiteral("春眠不觉晓处处闻啼鸟"));
    for (int section = 0; bytes.size() < IniDocument::MaxFileBytes - 64 * 1024; ++section) {
        bytes += "[extra" + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 50; ++key)
            bytes += "Key" + QByteArray::number(key) + '=' + value + "\r\n";
    }
    // The sections the program writes come last, so every key is looked up
    // past all the others.
    bytes += "[exercise]\r\nLetter=1\r\n";
    return bytes;
}

struct LargeFile
{
    LargeFile()
    {
        bytes = largeSettingsFile();
        path = dir.filePath(QStringLiteral("Deplog.ini"));
        TextCodec::writeBytes(path, bytes);
    }
    QTemporaryDir dir;
    QString path;
    QByteArray bytes;
};

void parseAndWriteBack(benchmark::State &state)
{
    const LargeFile file;
    for (auto _ : state) {
        const IniDocument document = IniDocument::fromBytes(file.bytes);
        benchmark::DoNotOptimize(document.toBytes());
    }
    state.SetBytesProcessed(state.iterations() * file.bytes.size());
}

// What a login reads: the password, then every settings key.
void loadSettings(benchmark::State &state)
{
    const LargeFile file;
    const ProgramFolder folder(file.dir.path());
    for (auto _ : state) {
        const std::optional<Settings> settings = LoadSettings(file.path, folder);
        benchmark::DoNotOptimize(settings);
    }
    state.SetBytesProcessed(state.iterations() * file.bytes.size());
}

// What a quit does: every settings key set, the file replaced.
void saveSettings(benchmark::State &state)
{
    const LargeFile file;
    const ProgramFolder folder(file.dir.path());
    const Settings settings = LoadSettings(file.path, folder).value_or(Settings());
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveSettings(settings, file.path, folder));
    state.SetBytesProcessed(state.iterations() * file.bytes.size());
}

} // namespace

BENCHMARK(parseAndWriteBack)->Unit(benchmark::kMillisecond);
BENCHMARK(loadSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(saveSettings)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
