// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SpeechVoice.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// libespeak-ng turning text into samples in memory. English is said with the
// en-us voice, Chinese with cmn-latn-pinyin (the plain cmn voice reads
// Chinese as English letters); the gender picks a female or male variant.
// espeak-ng keeps one state per process, set up by the first synthesizer
// whose data loads and kept until the process ends: have one synthesizer at a
// time, use it from one thread, and expect a later one to share the data the
// first one loaded.
class EspeakSynthesizer
{
public:
    // Sets espeak-ng up from the folder holding "espeak-ng-data" (empty: the
    // system's data). isReady() tells whether that worked and the English
    // voice is there.
    explicit EspeakSynthesizer(const QString &dataParentFolder = {});
    EspeakSynthesizer(const EspeakSynthesizer &) = delete;
    EspeakSynthesizer &operator=(const EspeakSynthesizer &) = delete;

    bool isReady() const { return m_sampleRate > 0 && m_hasEnglish; }
    // Samples per second of what synthesise() returns.
    int sampleRate() const { return m_sampleRate; }
    bool hasVoice(SpeechVoice::Language language) const;

    // Mono 16-bit samples of text said with the voice at wordsPerMinute
    // (kept within espeak's 80 to 450). Nothing when espeak fails, or when
    // stopRequested() turns true while it works.
    std::optional<std::vector<qint16>> synthesise(const QString &text, const SpeechVoice &voice,
                                                  int wordsPerMinute,
                                                  const std::function<bool()> &stopRequested = {});

    // Whether the files espeak-ng needs for the language are where it will
    // look for them (dataParentFolder as for the constructor), found without
    // loading them: a start-up check that costs neither time nor memory.
    static bool hasData(const QString &dataParentFolder, SpeechVoice::Language language);

    // The espeak-ng voice name, such as "en-us+f3".
    static QByteArray voiceName(const SpeechVoice &voice);

private:
    bool selectVoice(const SpeechVoice &voice);

    int m_sampleRate = 0;
    QByteArray m_voiceInUse;
    bool m_hasEnglish = false;
    bool m_hasChinese = false;
};
