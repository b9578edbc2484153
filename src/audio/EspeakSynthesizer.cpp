// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/EspeakSynthesizer.h"

#include <QDir>
#include <QFile>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>

namespace {

// What one synthesise() call collects; reaches the callback as user data.
struct Collector
{
    std::vector<qint16> samples;
    const std::function<bool()> *stopRequested = nullptr;
};

int collectSamples(short *wave, int count, espeak_EVENT *events)
{
    auto *collector = static_cast<Collector *>(events->user_data);
    if (!collector)
        return 0;
    if (wave && count > 0)
        collector->samples.insert(collector->samples.end(), wave, wave + count);
    // Returning 1 tells espeak to stop: the text is no longer wanted.
    const std::function<bool()> &stopRequested = *collector->stopRequested;
    return stopRequested && stopRequested() ? 1 : 0;
}

// espeak-ng 1.51 hangs when it is ended and set up again in one process, so
// it is set up once, by the first synthesizer whose data loads, and left set
// up until the process ends. Returns the sample rate, 0 when the data does
// not load.
std::mutex setUpGuard;
int setUpSampleRate = 0;

int setUpOnce(const QString &dataParentFolder)
{
    int &sampleRate = setUpSampleRate;
    const std::lock_guard lock(setUpGuard);
    if (sampleRate > 0)
        return sampleRate;
    const QByteArray path = QFile::encodeName(dataParentFolder);
    // Without DONT_EXIT espeak-ng ends the whole program when its data is
    // missing.
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0,
                                       path.isEmpty() ? nullptr : path.constData(),
                                       espeakINITIALIZE_DONT_EXIT);
    if (rate > 0) {
        sampleRate = rate;
        espeak_SetSynthCallback(collectSamples);
    }
    return sampleRate;
}

} // namespace

EspeakSynthesizer::EspeakSynthesizer(const QString &dataParentFolder)
    : m_sampleRate(setUpOnce(dataParentFolder))
{
    if (m_sampleRate <= 0)
        return;
    // Loading each voice once here also keeps the first word of each
    // language from waiting for its dictionary.
    m_hasChinese = selectVoice({SpeechVoice::Language::Chinese, SpeechVoice::Gender::Female});
    m_hasEnglish = selectVoice({SpeechVoice::Language::English, SpeechVoice::Gender::Female});
}

bool EspeakSynthesizer::selectVoice(const SpeechVoice &voice)
{
    // Changing the language reloads its dictionary (a few milliseconds), so
    // the voice in use is kept while the requests stay in one language.
    const QByteArray name = voiceName(voice);
    if (name == m_voiceInUse)
        return true;
    m_voiceInUse.clear();
    if (espeak_SetVoiceByName(name.constData()) != EE_OK)
        return false;
    m_voiceInUse = name;
    return true;
}

bool EspeakSynthesizer::hasVoice(SpeechVoice::Language language) const
{
    return language == SpeechVoice::Language::Chinese ? m_hasChinese : m_hasEnglish;
}

bool EspeakSynthesizer::hasData(const QString &dataParentFolder, SpeechVoice::Language language)
{
    const std::lock_guard lock(setUpGuard);
    // Once set up, espeak-ng keeps the data folder it found; asking again
    // would point it elsewhere.
    if (setUpSampleRate <= 0) {
        const QByteArray path = QFile::encodeName(dataParentFolder);
        espeak_ng_InitializePath(path.isEmpty() ? nullptr : path.constData());
    }
    const char *home = nullptr;
    espeak_Info(&home);
    if (!home || !*home)
        return false;
    const QDir data(QFile::decodeName(home));
    const char *const needed[] = {"phontab", "phonindex", "phondata", "intonations",
                                  language == SpeechVoice::Language::Chinese ? "cmn_dict" : "en_dict"};
    return std::all_of(std::begin(needed), std::end(needed),
                       [&data](const char *file) { return QFileInfo(data.filePath(QLatin1String(file))).isFile(); });
}

QByteArray EspeakSynthesizer::voiceName(const SpeechVoice &voice)
{
    const QByteArray language =
        voice.language == SpeechVoice::Language::Chinese ? "cmn-latn-pinyin" : "en-us";
    return language + (voice.gender == SpeechVoice::Gender::Male ? "+m3" : "+f3");
}

std::optional<std::vector<qint16>> EspeakSynthesizer::synthesise(
    const QString &text, const SpeechVoice &voice, int wordsPerMinute,
    const std::function<bool()> &stopRequested)
{
    if (m_sampleRate <= 0 || !hasVoice(voice.language) || !selectVoice(voice))
        return std::nullopt;
    espeak_SetParameter(espeakRATE, std::clamp(wordsPerMinute, espeakRATE_MINIMUM, espeakRATE_MAXIMUM),
                        0);

    Collector collector;
    collector.stopRequested = &stopRequested;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR result = espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                                             &collector);
    if (result != EE_OK || (stopRequested && stopRequested()))
        return std::nullopt;
    return std::move(collector.samples);
}
