// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/SoundEffects.h"

#include "core/platform/ProgramFolder.h"
#include "core/sound/SoundOutput.h"

namespace {

// Kinds 1 to 3 of PlayKeySound.
constexpr std::array<const char16_t *, 3> keySoundFiles = {
    u"\\Music\\sound\\cw.WAV",
    u"\\Music\\sound\\type.wav",
    u"\\Music\\sound\\enter.wav",
};

// In the order of SoundEffects::GameSound.
constexpr std::array<const char16_t *, 8> gameSoundFiles = {
    u"\\Music\\SOUND\\blip.WAV",
    u"\\Music\\SOUND\\slurp.wav",
    u"\\Music\\SOUND\\plop.wav",
    u"\\Music\\SOUND\\Bog.wav",
    u"\\Music\\SOUND\\DOG.WAV",
    u"\\Music\\SOUND\\DEADDOGC.WAV",
    u"\\Music\\SOUND\\q028.WAV",
    u"\\Music\\SOUND\\eolc.wav",
};

} // namespace

SoundEffects::SoundEffects(const ProgramFolder &folder, SoundOutput &output)
    : m_output(output)
{
    // Paths are resolved once: matching names without regard to case lists
    // folders, which has no place on the key path.
    for (std::size_t i = 0; i < keySoundFiles.size(); ++i)
        m_keySounds[i] = folder.path(QString::fromUtf16(keySoundFiles[i]));
    for (std::size_t i = 0; i < gameSoundFiles.size(); ++i)
        m_gameSounds[i] = folder.path(QString::fromUtf16(gameSoundFiles[i]));
    for (const QString &path : m_keySounds)
        m_output.preload(path);
}

void SoundEffects::preloadGameSounds()
{
    if (m_gameSoundsPreloaded)
        return;
    m_gameSoundsPreloaded = true;
    for (const QString &path : m_gameSounds)
        m_output.preload(path);
}

void SoundEffects::PlayKeySound(qint16 kind)
{
    if (kind < 1 || kind > qint16(m_keySounds.size()))
        return;
    playWithFallback(m_keySounds[std::size_t(kind - 1)]);
}

void SoundEffects::playGameSound(GameSound sound)
{
    const QString &path = m_gameSounds[std::size_t(sound)];
    if (sound == GameSound::LevelUp)
        m_output.playToEnd(path);
    else
        playWithFallback(path);
}

void SoundEffects::playWithFallback(const QString &path)
{
    if (!m_output.play(path))
        m_output.playDefaultSound();
}
