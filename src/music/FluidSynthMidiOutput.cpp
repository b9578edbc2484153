// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/FluidSynthMidiOutput.h"

#include "music/MixerDevice.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace {

const QString noDeviceText = QStringLiteral("没有可用的声音设备，不能演奏音符。");
const QString noSynthText = QStringLiteral("MIDI合成器无法启动。");
const QString formatText = QStringLiteral("声音设备的格式不能演奏音符。");
const QString soundFontText = QStringLiteral("无法读取音色库：");

// The looping chunk's length. Any length works; a longer one only means
// fewer effect calls per device buffer.
constexpr int chunkFrames = 4096;
// Frames rendered at a time for devices that need converting.
constexpr int blockFrames = 256;

bool convertible(int format)
{
    return format == AUDIO_S16SYS || format == AUDIO_S32SYS || format == AUDIO_F32SYS;
}

// One sample in the device's format from -1 to 1.
void put(Uint8 *&out, int format, float value)
{
    value = std::clamp(value, -1.0f, 1.0f);
    if (format == AUDIO_S16SYS) {
        const Sint16 sample = Sint16(value * 32767.0f);
        std::memcpy(out, &sample, sizeof sample);
        out += sizeof sample;
    } else if (format == AUDIO_S32SYS) {
        const Sint32 sample = Sint32(double(value) * 2147483647.0);
        std::memcpy(out, &sample, sizeof sample);
        out += sizeof sample;
    } else {
        std::memcpy(out, &value, sizeof value);
        out += sizeof value;
    }
}

} // namespace

FluidSynthMidiOutput::FluidSynthMidiOutput(const MixerDevice &device, const QString &soundFont)
    : m_deviceOpen(device.isOpen())
    , m_soundFont(soundFont)
{
}

FluidSynthMidiOutput::~FluidSynthMidiOutput()
{
    stop();
}

std::optional<QString> FluidSynthMidiOutput::send(quint32 message)
{
    if (!m_synth) {
        if (!m_failure)
            m_failure = start();
        if (m_failure)
            return m_failure;
    }
    const int status = int(message & 0xF0);
    const int channel = int(message & 0x0F);
    const int data1 = int((message >> 8) & 0x7F);
    const int data2 = int((message >> 16) & 0x7F);
    // A note that is not sounding, or a note on at velocity 0 (a note off
    // by MIDI's rules), is no failure of the output.
    switch (status) {
    case 0x90:
        if (data2 > 0) {
            fluid_synth_noteon(m_synth, channel, data1, data2);
            break;
        }
        [[fallthrough]];
    case 0x80:
        fluid_synth_noteoff(m_synth, channel, data1);
        break;
    case 0xC0:
        fluid_synth_program_change(m_synth, channel, data1);
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<QString> FluidSynthMidiOutput::start()
{
    if (!m_deviceOpen)
        return noDeviceText;
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels))
        return noDeviceText;
    if (!convertible(format) || channels < 1)
        return formatText;
    if (!QFileInfo(m_soundFont).isFile())
        return soundFontText + QFileInfo(m_soundFont).fileName();

    m_settings = new_fluid_settings();
    if (!m_settings)
        return noSynthText;
    // The synthesizer renders at the device's rate, so nothing resamples it.
    fluid_settings_setnum(m_settings, "synth.sample-rate", double(frequency));
    // One letter at a time: a small voice count keeps the audio thread light.
    fluid_settings_setint(m_settings, "synth.polyphony", 64);
    fluid_settings_setint(m_settings, "synth.chorus.active", 0);
    fluid_settings_setnum(m_settings, "synth.gain", 0.8);
    m_synth = new_fluid_synth(m_settings);
    if (!m_synth) {
        stop();
        return noSynthText;
    }
    if (fluid_synth_sfload(m_synth, QFile::encodeName(m_soundFont).constData(), 1) == FLUID_FAILED) {
        stop();
        return soundFontText + QFileInfo(m_soundFont).fileName();
    }

    m_format = format;
    m_channels = channels;
    if (format != AUDIO_S16SYS || channels != 2)
        m_frames.resize(std::size_t(blockFrames) * 2);
    const int bytesPerFrame = int(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    m_silence = QByteArray(chunkFrames * bytesPerFrame, '\0');
    m_chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8 *>(m_silence.data()), Uint32(m_silence.size()));
    // The effect goes on before the chunk plays, so its first piece is
    // already the synthesizer's.
    if (!m_chunk || !Mix_RegisterEffect(MixerDevice::synthChannel, &FluidSynthMidiOutput::render, nullptr, this)) {
        const QString problem = QString::fromUtf8(SDL_GetError());
        stop();
        return problem;
    }
    if (Mix_PlayChannel(MixerDevice::synthChannel, m_chunk, -1) < 0) {
        const QString problem = QString::fromUtf8(SDL_GetError());
        stop();
        return problem;
    }
    return std::nullopt;
}

void FluidSynthMidiOutput::stop()
{
    if (m_chunk) {
        // Both take the mixer's lock: once they return, render() has ended
        // and will not be called again.
        Mix_UnregisterEffect(MixerDevice::synthChannel, &FluidSynthMidiOutput::render);
        Mix_HaltChannel(MixerDevice::synthChannel);
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
    }
    if (m_synth)
        delete_fluid_synth(m_synth);
    m_synth = nullptr;
    if (m_settings)
        delete_fluid_settings(m_settings);
    m_settings = nullptr;
}

void FluidSynthMidiOutput::render(int, void *stream, int length, void *self)
{
    static_cast<FluidSynthMidiOutput *>(self)->renderInto(stream, length);
}

void FluidSynthMidiOutput::renderInto(void *stream, int length)
{
    const int bytesPerSample = int(SDL_AUDIO_BITSIZE(m_format) / 8);
    const int frames = length / (bytesPerSample * m_channels);
    if (m_format == AUDIO_S16SYS && m_channels == 2) {
        fluid_synth_write_s16(m_synth, frames, stream, 0, 2, stream, 1, 2);
        return;
    }
    // Other devices: float stereo a block at a time, then their format; a
    // mono device hears both sides, further channels stay silent.
    auto *out = static_cast<Uint8 *>(stream);
    for (int done = 0; done < frames;) {
        const int block = std::min(blockFrames, frames - done);
        float *left = m_frames.data();
        fluid_synth_write_float(m_synth, block, left, 0, 2, left, 1, 2);
        for (int frame = 0; frame < block; ++frame) {
            const float l = left[2 * frame];
            const float r = left[2 * frame + 1];
            if (m_channels == 1) {
                put(out, m_format, (l + r) / 2);
                continue;
            }
            put(out, m_format, l);
            put(out, m_format, r);
            for (int extra = 2; extra < m_channels; ++extra)
                put(out, m_format, 0.0f);
        }
        done += block;
    }
}
