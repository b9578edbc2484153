// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SpeechEngine.h"

#include <QThread>

#include <atomic>
#include <memory>

class EspeakSynthesizer;
class SoundOutput;

// Speech through libespeak-ng: texts are synthesised on a thread of their
// own, so a long text never holds the window, and that thread hands the
// finished utterance to the program's sound output. A new text replaces one that is
// still being synthesised or said. Only one may exist at a time (espeak-ng
// keeps one state per process).
class EspeakSpeechEngine : public SpeechEngine
{
    Q_OBJECT

public:
    // Ready when espeak-ng's files are found; they load with the first text,
    // on the speech thread. dataParentFolder as for EspeakSynthesizer. The
    // output must outlive the engine.
    explicit EspeakSpeechEngine(SoundOutput &output, const QString &dataParentFolder = {},
                                QObject *parent = nullptr);
    ~EspeakSpeechEngine() override;

    bool isReady() const override { return m_ready; }
    bool speak(const QString &text, const SpeechVoice &voice, int wordsPerMinute) override;

private:
    void synthesise(quint64 request, const QString &text, const SpeechVoice &voice,
                    int wordsPerMinute);
    bool superseded(quint64 request) const { return request != m_latestRequest.load(); }

    SoundOutput &m_output;
    const QString m_dataParentFolder;
    QThread m_thread;
    QObject *m_worker;                             // lives on m_thread; runs the synthesis
    std::unique_ptr<EspeakSynthesizer> m_synthesizer; // made and used only on m_thread
    const bool m_ready;
    const bool m_hasChinese;
    std::atomic<quint64> m_latestRequest{0};
};
