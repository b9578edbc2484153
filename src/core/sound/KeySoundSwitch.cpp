// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/KeySoundSwitch.h"

#include "core/settings/Settings.h"
#include "core/sound/SoundEffects.h"

KeySoundSwitch::KeySoundSwitch(const Settings &settings, SoundEffects &effects)
    : m_settings(settings)
    , m_effects(effects)
{
}

void KeySoundSwitch::play(KeySound sound)
{
    if (m_settings.CueMusic == 1 && sound != KeySound::None)
        m_effects.PlayKeySound(qint16(sound));
}
