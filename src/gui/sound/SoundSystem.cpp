// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/SoundSystem.h"

#include "core/platform/ProgramFolder.h"
#include "gui/sound/SilentSoundBackend.h"
#include "gui/sound/SoundModule.h"

namespace {

std::unique_ptr<SoundBackend> openBackend(const QString &moduleFolder)
{
    QString error;
    const auto open = reinterpret_cast<OpenSoundBackend>(
        soundModuleEntry(moduleFolder, QStringLiteral("libqintara_audio.so"), OpenSoundBackendSymbol, &error));
    if (!open) {
        qCWarning(soundLog).noquote() << "The audio module could not be loaded, the program stays silent:"
                                      << error;
        return std::make_unique<SilentSoundBackend>();
    }
    return std::unique_ptr<SoundBackend>(open());
}

} // namespace

SoundSystem::SoundSystem(const ProgramFolder &folder, const QString &moduleFolder)
    : m_backend(openBackend(moduleFolder))
    , m_music(moduleFolder, folder.path(QStringLiteral("\\soundfonts\\sf_GMbank.sf2")), m_backend->effectVoices())
    , m_effects(folder, m_backend->output())
{
}

// The key sounds go before the device they play on.
SoundSystem::~SoundSystem() = default;
