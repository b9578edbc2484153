// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"

#include <functional>

class Prompter;
class RandomSource;
class Speech;
struct Settings;

// Where the drills draw their material from: the program folder, the message
// boxes that report a bad file or offer to delete an empty one, and the
// random draws.
struct DrillMaterial
{
    ProgramFolder programFolder;
    Prompter &prompter;
    RandomSource &random;
};

// The drills' voice: speaks a letter or word at the `Speed` setting and shows
// the speaking face. Everything handed in outlives it.
class DrillVoice
{
public:
    DrillVoice(Speech &speech, const Settings &settings, std::function<void()> face_change);

    // Speaks text, spaces around it removed, then shows the speaking face. A
    // text spoken last is not spoken again.
    void speak(const QString &text);
    // Lets the next request speak even the text spoken last.
    void repeatNextSpeech();

private:
    Speech &m_speech;
    const Settings &m_settings;
    std::function<void()> m_face_change;
};
