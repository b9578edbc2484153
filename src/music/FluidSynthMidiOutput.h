// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MidiOutput.h"

#include <QByteArray>
#include <QString>

#include <vector>

class MixerDevice;
struct Mix_Chunk;
struct _fluid_hashtable_t;
struct _fluid_synth_t;

// The MIDI output of the settings dialog's "听" and the keyboard music: a
// FluidSynth synthesizer with the General MIDI soundfont, heard through the
// mixer's device next to the background music. It plays on a mixer channel of its own: a silent chunk loops there
// and the channel's effect replaces each piece of it with what the
// synthesizer renders, so notes start within one device buffer and nothing
// else waits for them. The synthesizer is made by the first message (the
// soundfont takes some tens of milliseconds to read); when it cannot be
// made, every message answers why.
// Messages understood: note on (0x9n), note off (0x8n), program change
// (0xCn); others are passed over. Call it from the thread that made it.
class FluidSynthMidiOutput : public MidiOutput
{
public:
    // device: the open (or unusable) mixer device; it must outlive this.
    // soundFont: the General MIDI soundfont file.
    FluidSynthMidiOutput(const MixerDevice &device, const QString &soundFont);
    ~FluidSynthMidiOutput() override;
    FluidSynthMidiOutput(const FluidSynthMidiOutput &) = delete;
    FluidSynthMidiOutput &operator=(const FluidSynthMidiOutput &) = delete;

    std::optional<QString> send(quint32 message) override;

    // Whether the synthesizer runs (made by an earlier message).
    bool isRunning() const { return m_synth != nullptr; }

private:
    // Makes the synthesizer and starts its channel; the error text when
    // that cannot be done.
    std::optional<QString> start();
    void stop();
    // The mixer channel's effect: runs on the audio thread, renders only.
    static void render(int channel, void *stream, int length, void *self);
    void renderInto(void *stream, int length);

    bool m_deviceOpen;
    QString m_soundFont;
    std::optional<QString> m_failure; // why the synthesizer cannot be made
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_synth_t *m_synth = nullptr;
    QByteArray m_silence;             // the bytes of the looping chunk
    Mix_Chunk *m_chunk = nullptr;
    int m_format = 0;                 // the device's sample format (SDL_AudioFormat)
    int m_channels = 0;               // and its channels
    std::vector<float> m_frames;      // rendering room for devices not 16-bit stereo
};
