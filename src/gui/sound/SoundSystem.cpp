// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/SoundSystem.h"

#include "core/platform/ProgramFolder.h"

SoundSystem::SoundSystem(const ProgramFolder &folder)
    : m_speechEngine(m_output)
    , m_effects(folder, m_output)
    , m_music(m_output, folder.path(QStringLiteral("\\soundfonts\\sf_GMbank.sf2")))
    , m_midi(m_output, folder.path(QStringLiteral("\\soundfonts\\sf_GMbank.sf2")))
{
}
