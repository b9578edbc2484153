// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// Speech costs: what the key handler pays to ask for a word (the request is
// handed to the speech thread), and what that thread spends synthesising a
// word and a long text before the first sample can play.
#include "core/sound/SoundOutput.h"
#include "audio/EspeakSpeechEngine.h"
#include "audio/EspeakSynthesizer.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

class SilentOutput : public SoundOutput
{
public:
    void preload(const QString &) override {}
    bool play(const QString &) override { return true; }
    bool playToEnd(const QString &) override { return true; }
    void playDefaultSound() override {}
    void playSpeech(const QByteArray &) override {}
    int deviceCount() const override { return 1; }
};

void requestWord(benchmark::State &state)
{
    SilentOutput output;
    EspeakSpeechEngine engine(output);
    const QString words[] = {QStringLiteral("apple"), QStringLiteral("banana")};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.speak(words[i++ & 1], {}, 170));
}

void synthesise(benchmark::State &state, const QString &text, const SpeechVoice &voice)
{
    EspeakSynthesizer synthesizer;
    std::size_t samples = 0;
    for (auto _ : state) {
        const auto result = synthesizer.synthesise(text, voice, 170);
        samples = result ? result->size() : 0;
    }
    state.counters["audio_s"] = double(samples) / synthesizer.sampleRate();
}

QString paragraph()
{
    QString text;
    for (int i = 0; i < 20; ++i)
        text += QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    return text;
}

} // namespace

// Bounded: the requests pile up for the speech thread, which drops all but
// the newest.
BENCHMARK(requestWord)->Iterations(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(synthesise, english_word, QStringLiteral("keyboard"),
                  SpeechVoice{SpeechVoice::Language::English, SpeechVoice::Gender::Female})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(synthesise, chinese_phrase, QStringLiteral("中华人民共和国"),
                  SpeechVoice{SpeechVoice::Language::Chinese, SpeechVoice::Gender::Female})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(synthesise, english_180_words, paragraph(),
                  SpeechVoice{SpeechVoice::Language::English, SpeechVoice::Gender::Female})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the speech thread's engine needs one
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
