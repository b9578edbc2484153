// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class MidiOut;
struct Settings;

// "键盘音乐": while `KeyMusic` is 1, every letter key pressed in a practice
// box plays a note on the `MusicInst` instrument, the way the settings
// dialog's "听" plays the letter (note 36 for A up to 61 for Z, the previous
// note stopped). An output that fails is reported once and then left alone
// for the run, so a missing sound device does not answer every key with a box.
class KeyboardMusic
{
public:
    // settings is read on every key, so a change in the settings dialog is
    // heard at once; midi may be null (no synthesizer: silence). Both must
    // outlive the music.
    KeyboardMusic(const Settings &settings, MidiOut *midi);

    // A key went down in a practice box: its Windows virtual-key code and
    // shift state (1 Shift, 2 Control, 4 Alt, summed). Letters with Control
    // or Alt are commands, not typing, and stay silent.
    void keyDown(int keyCode, int shift);

private:
    const Settings &m_settings;
    MidiOut *m_midi;
    bool m_failed = false;
};
