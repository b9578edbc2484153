// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/MusicModule.h"

#include "core/sound/MusicBackend.h"
#include "gui/sound/SilentMusicBackend.h"
#include "gui/sound/SoundModule.h"

#include <QFileInfo>

MusicModule::MusicModule(const QString &moduleFolder, const QString &soundFont, EffectVoices *effects)
    : m_moduleFolder(moduleFolder)
    , m_soundFont(soundFont)
    , m_effects(effects)
{
}

MusicModule::~MusicModule() = default;

MusicBackend &MusicModule::backend()
{
    if (m_backend)
        return *m_backend;
    QString error;
    const auto open = reinterpret_cast<OpenMusicBackend>(
        soundModuleEntry(m_moduleFolder, QStringLiteral("libqintara_music.so"), OpenMusicBackendSymbol, &error));
    if (open) {
        m_backend.reset(open(m_soundFont.toUtf8().constData(), m_effects));
    } else {
        qCWarning(soundLog).noquote() << "The music module could not be loaded, music and notes stay silent:"
                                      << error;
        m_backend = std::make_unique<SilentMusicBackend>();
    }
    return *m_backend;
}

void MusicModule::play(const QString &file)
{
    // A path that names no file only stops the music; before the module is
    // loaded, no music plays to stop.
    if (m_backend || QFileInfo(file).isFile())
        backend().music().play(file);
}

void MusicModule::stop()
{
    if (m_backend)
        m_backend->music().stop();
}

void MusicModule::resume()
{
    // Nothing was set to play before the module was loaded.
    if (m_backend)
        m_backend->music().resume();
}

bool MusicModule::isPlaying() const
{
    return m_backend && m_backend->music().isPlaying();
}

std::optional<QString> MusicModule::send(quint32 message)
{
    return backend().midi().send(message);
}
