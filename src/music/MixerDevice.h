// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class EffectVoices;

// The sound stream of the background music and the MIDI synthesizer, opened
// through SDL2_mixer when this object is made and closed when it goes. It is
// a second stream beside the effects' and the speech's device; sound servers
// (PipeWire, PulseAudio) and ALSA's dmix mix the two. Where the driver opens
// one device per program, it takes the effects' device over and plays their
// voices too, until it closes. Where neither can be done, one line in the log
// says why and the music stays silent.
// The mixer keeps one channel, for the synthesizer, and its music stream.
// Create one per program, on the window's thread.
class MixerDevice
{
public:
    // effects: the voices to play where no second stream opens; may be
    // null, and must outlive this.
    explicit MixerDevice(EffectVoices *effects = nullptr);
    ~MixerDevice();
    MixerDevice(const MixerDevice &) = delete;
    MixerDevice &operator=(const MixerDevice &) = delete;

    bool isOpen() const { return m_open; }

    // Whether it plays the effects' voices on their device.
    bool playsEffects() const { return m_effects != nullptr; }

    // The mixer channel kept for the MIDI synthesizer (FluidSynthMidiOutput).
    static constexpr int synthChannel = 0;

private:
    bool open(int frequency, int allowedChanges);
    bool openInPlaceOf(EffectVoices *effects);

    bool m_open = false;
    EffectVoices *m_effects = nullptr; // the voices it plays, when it took their device
};
