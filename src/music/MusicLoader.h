// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>
#include <QString>

// Reads music files for the MusicPlayer on a thread of its own: readying a
// MIDI file builds a synthesizer with the whole soundfont, which takes tens
// of milliseconds the window must not wait for, and taking one down costs
// as much. Playing and halting stay with the player.
class MusicLoader : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Reads file and answers with loaded(): music is the Mix_Music made
    // from it, which the receiver owns, or null with the reason in problem.
    void load(quint64 request, const QString &file);

    // Frees a Mix_Music the player no longer plays (halted first): a MIDI
    // synthesizer takes its time to take down too.
    void release(void *music);

signals:
    void loaded(quint64 request, const QString &file, void *music, const QString &problem);
};
