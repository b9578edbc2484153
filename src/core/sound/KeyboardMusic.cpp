// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/KeyboardMusic.h"

#include "core/settings/Settings.h"
#include "core/sound/GeneralMidiInstruments.h"
#include "core/sound/MidiOut.h"

namespace {

constexpr int ControlOrAlt = 2 | 4;

} // namespace

KeyboardMusic::KeyboardMusic(const Settings &settings, MidiOut *midi)
    : m_settings(settings)
    , m_midi(midi)
{
}

void KeyboardMusic::keyDown(int keyCode, int shift)
{
    if (!m_midi || m_failed || m_settings.KeyMusic != 1)
        return;
    if (keyCode < 'A' || keyCode > 'Z' || (shift & ControlOrAlt) != 0)
        return;
    // The instrument is chosen on every key: "听" in the settings dialog may
    // have tried another one on the same channel meanwhile.
    const bool played = m_midi->ProgramChange(0, GeneralMidiInstruments::programOf(m_settings.MusicInst))
                        && m_midi->TestNote(keyCode - 'A');
    m_failed = !played;
}
