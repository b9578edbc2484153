// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "widgets/ButtonSounds.h"

class SoundOutput;

// The push buttons' sounds played from the program folder through the
// effect voice of the sound output: ".\resources\over.wav" is the file
// "resources/over.wav" of the program folder.
class ProgramButtonSounds : public ButtonSounds
{
public:
    // Keeps the default hover and click sounds ready, so the first hover
    // sounds as soon as the rest.
    ProgramButtonSounds(const ProgramFolder &programFolder, SoundOutput &output);

    void play(const QString &file) override;

    // The file a button's sound names; a relative name counts from the
    // program folder.
    QString path(const QString &file) const;

private:
    ProgramFolder m_programFolder;
    SoundOutput &m_output;
};
