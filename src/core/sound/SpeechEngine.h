// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SpeechVoice.h"

#include <QObject>
#include <QString>

// A text-to-speech engine: it says a text without making the caller wait.
class SpeechEngine : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether the engine could be set up; an engine that is not ready speaks
    // nothing.
    virtual bool isReady() const = 0;

    // Starts saying text with the voice at wordsPerMinute and returns at
    // once; a new text replaces the one still being said. False when the
    // engine refuses the request at once (not ready, voice missing); failures
    // found later are reported by speechFailed().
    virtual bool speak(const QString &text, const SpeechVoice &voice, int wordsPerMinute) = 0;

signals:
    // An accepted request could not be spoken after all.
    void speechFailed();
};
