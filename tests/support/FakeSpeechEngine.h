// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SpeechEngine.h"

#include <QList>

// A speech engine for tests: records every request; can be made not ready,
// made to refuse requests, or made to report a later failure (failLater()).
class FakeSpeechEngine : public SpeechEngine
{
public:
    struct Request
    {
        QString text;
        SpeechVoice voice;
        int wordsPerMinute;
    };

    explicit FakeSpeechEngine(bool ready = true) : m_ready(ready) {}

    void setRefusing(bool refusing) { m_refusing = refusing; }
    void failLater() { emit speechFailed(); }
    const QList<Request> &requests() const { return m_requests; }
    QStringList texts() const;

    bool isReady() const override { return m_ready; }
    bool speak(const QString &text, const SpeechVoice &voice, int wordsPerMinute) override;

private:
    bool m_ready;
    bool m_refusing = false;
    QList<Request> m_requests;
};
