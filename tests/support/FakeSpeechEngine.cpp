// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "FakeSpeechEngine.h"

#include <QStringList>

QStringList FakeSpeechEngine::texts() const
{
    QStringList result;
    for (const Request &request : m_requests)
        result.append(request.text);
    return result;
}

bool FakeSpeechEngine::speak(const QString &text, const SpeechVoice &voice, int wordsPerMinute)
{
    if (!m_ready || m_refusing)
        return false;
    m_requests.append({text, voice, wordsPerMinute});
    return true;
}
