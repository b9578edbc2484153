// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// Plays the sounds of the program's push buttons. The program plays the
// files of its folder; tests record what would have played.
class ButtonSounds
{
public:
    virtual ~ButtonSounds() = default;

    // Starts the sound file the button names (".\resources\over.wav": a path
    // in the program folder) without waiting for it. A file that is missing
    // or cannot be played plays nothing, not even a default sound.
    virtual void play(const QString &file) = 0;
};
