// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

// The sound stream of the background music and the MIDI synthesizer, opened
// through SDL2_mixer when this object is made and closed when it goes. It is
// a second stream beside the effects' and the speech's device; sound servers
// (PipeWire, PulseAudio) and ALSA's dmix mix the two. Where a second stream
// cannot be opened, one line in the log says why and the music stays silent.
// The mixer keeps one channel, for the synthesizer, and its music stream.
// Create one per program, on the window's thread.
class MixerDevice
{
public:
    MixerDevice();
    ~MixerDevice();
    MixerDevice(const MixerDevice &) = delete;
    MixerDevice &operator=(const MixerDevice &) = delete;

    bool isOpen() const { return m_open; }

    // The mixer channel kept for the MIDI synthesizer (FluidSynthMidiOutput).
    static constexpr int synthChannel = 0;

private:
    bool m_open = false;
};
