// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/DrillServices.h"

#include "core/settings/Settings.h"
#include "core/sound/Speech.h"

DrillVoice::DrillVoice(Speech &speech, const Settings &settings, std::function<void()> face_change)
    : m_speech(speech), m_settings(settings), m_face_change(std::move(face_change))
{
}

void DrillVoice::speak(const QString &text)
{
    m_speech.SpeakText(text.trimmed(), m_settings.Speed);
    m_face_change();
}

void DrillVoice::repeatNextSpeech()
{
    m_speech.setLastSpokenText(QStringLiteral("1"));
}
