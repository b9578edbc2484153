// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/EspeakSpeechEngine.h"

#include "core/sound/SoundOutput.h"
#include "core/sound/WaveFile.h"
#include "audio/EspeakSynthesizer.h"

EspeakSpeechEngine::EspeakSpeechEngine(SoundOutput &output, const QString &dataParentFolder,
                                       QObject *parent)
    : SpeechEngine(parent)
    , m_output(output)
    , m_dataParentFolder(dataParentFolder)
    , m_worker(new QObject)
    , m_ready(EspeakSynthesizer::hasData(dataParentFolder, SpeechVoice::Language::English))
    , m_hasChinese(EspeakSynthesizer::hasData(dataParentFolder, SpeechVoice::Language::Chinese))
{
    m_thread.setObjectName(QStringLiteral("speech"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

EspeakSpeechEngine::~EspeakSpeechEngine()
{
    ++m_latestRequest; // stops the synthesis under way
    QMetaObject::invokeMethod(m_worker, [this] { m_synthesizer.reset(); },
                              Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool EspeakSpeechEngine::speak(const QString &text, const SpeechVoice &voice, int wordsPerMinute)
{
    if (!m_ready || (voice.language == SpeechVoice::Language::Chinese && !m_hasChinese))
        return false;
    const quint64 request = ++m_latestRequest;
    if (text.isEmpty())
        return true;
    QMetaObject::invokeMethod(m_worker, [this, request, text, voice, wordsPerMinute] {
        synthesise(request, text, voice, wordsPerMinute);
    });
    return true;
}

// Runs on the speech thread.
void EspeakSpeechEngine::synthesise(quint64 request, const QString &text, const SpeechVoice &voice,
                                    int wordsPerMinute)
{
    // Requests that a newer one replaced while they waited are dropped unsaid.
    if (superseded(request))
        return;
    // espeak-ng loads its data with the first text, on this thread, where
    // it is used from then on: a run that never speaks never holds it.
    if (!m_synthesizer)
        m_synthesizer = std::make_unique<EspeakSynthesizer>(m_dataParentFolder);
    const auto samples = m_synthesizer->synthesise(text, voice, wordsPerMinute,
                                                   [this, request] { return superseded(request); });
    if (superseded(request))
        return;
    if (!samples) {
        QMetaObject::invokeMethod(this, [this] { emit speechFailed(); });
        return;
    }
    m_output.playSpeech(WaveFile::fromMonoSamples(*samples, m_synthesizer->sampleRate()));
}
