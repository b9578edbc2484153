// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/practice/KeySound.h"

class SoundEffects;
struct Settings;

// The exercises' way to their key sounds: a key sound plays only while the
// `CueMusic` setting is 1 (the settings dialog's "提示音乐"). Game sounds do
// not go through this switch.
class KeySoundSwitch
{
public:
    // Both must outlive the switch; the setting is read on every call.
    KeySoundSwitch(const Settings &settings, SoundEffects &effects);

    // PlayKeySound(sound) when `CueMusic` is 1, nothing otherwise; None
    // plays nothing.
    void play(KeySound sound);

private:
    const Settings &m_settings;
    SoundEffects &m_effects;
};
