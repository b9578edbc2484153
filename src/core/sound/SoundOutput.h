// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QString>

// The program's sound device as the rules see it. Effects (key, game and
// button sounds) share one voice, so a new effect cuts off the one still
// playing; speech has a voice of its own. Every call returns at once unless
// it says otherwise, and is made from the thread that made the output, except
// playSpeech(). Without a sound device every call is silent.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // Reads, checks and keeps the sound file so that a later play() reads no
    // disk; the sound is readied for the device on its first play. Each file
    // is read once per run: one that is missing or cannot be read as a sound
    // then stays unplayable until the program starts again.
    virtual void preload(const QString &path) = 0;

    // Starts the sound file as the effect; false when the file is missing or
    // cannot be read as a sound (nothing is started then).
    virtual bool play(const QString &path) = 0;

    // Plays the sound file as the effect and returns when it has ended; false
    // at once when the file is missing or unreadable.
    virtual bool playToEnd(const QString &path) = 0;

    // Starts the built-in stand-in for a sound file that cannot be played.
    virtual void playDefaultSound() = 0;

    // Starts a RIFF WAVE of speech, cutting off the speech still playing but
    // not the effect. May be called from any thread: the speech engine calls
    // it from its own, where readying a long text for the device costs the
    // window nothing.
    virtual void playSpeech(const QByteArray &wave) = 0;

    // The number of sound output devices; 0 when the program has none it can
    // play through.
    virtual int deviceCount() const = 0;
};
