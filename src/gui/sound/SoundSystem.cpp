// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/SoundSystem.h"

#include "core/platform/ProgramFolder.h"
#include "gui/sound/SilentSoundBackend.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(soundLog, "qintara.sound")

std::unique_ptr<SoundBackend> openBackend(const QString &moduleFolder, const QString &soundFont)
{
    const QString folder = moduleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : moduleFolder;
    // Never unloaded: the mixer's and the speech engine's threads run in it
    // until the very end.
    QLibrary library(folder + QStringLiteral("/libqintara_audio.so"));
    library.setLoadHints(QLibrary::PreventUnloadHint);
    const auto open = reinterpret_cast<OpenSoundBackend>(library.resolve(OpenSoundBackendSymbol));
    if (!open) {
        qCWarning(soundLog).noquote() << "The audio module could not be loaded, the program stays silent:"
                                      << library.errorString();
        return std::make_unique<SilentSoundBackend>();
    }
    return std::unique_ptr<SoundBackend>(open(soundFont.toUtf8().constData()));
}

} // namespace

SoundSystem::SoundSystem(const ProgramFolder &folder, const QString &moduleFolder)
    : m_backend(openBackend(moduleFolder, folder.path(QStringLiteral("\\soundfonts\\sf_GMbank.sf2"))))
    , m_effects(folder, m_backend->output())
{
}

// The key sounds go before the device they play on.
SoundSystem::~SoundSystem() = default;

