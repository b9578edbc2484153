// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The main window's background music player as the rules see it. It plays
// one music file or a list of them, over and over, on the program's sound
// device; every call returns at once and a file that cannot be played is
// passed over. Without a sound device it stays silent. Call it from the
// thread that made it.
class MusicOutput
{
public:
    virtual ~MusicOutput() = default;

    // Sets the file to play and starts it: a music file (MIDI, WAV, OGG,
    // MP3) or an ".m3u" list, whose entries play in order, the first again
    // after the last. A path that names no file ("0", "") stops the music
    // and forgets what played.
    virtual void play(const QString &file) = 0;

    // Silences the music; resume() starts it again.
    virtual void stop() = 0;

    // Plays the file set last from the start of the entry that played last
    // (a list that was changed meanwhile is read again from its first
    // entry); nothing when no file is set.
    virtual void resume() = 0;

    // Whether music is set to sound: from play() or resume() until stop(),
    // or until no entry of the file set could be played.
    virtual bool isPlaying() const = 0;
};
