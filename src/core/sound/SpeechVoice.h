// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The voice an utterance is spoken with: its language follows the text, its
// gender the user's `Voice` setting.
struct SpeechVoice
{
    enum class Language { English, Chinese };
    enum class Gender { Female, Male };

    Language language = Language::English;
    Gender gender = Gender::Female;

    // Chinese for a text holding any Chinese character, English otherwise;
    // male for the setting "男声", female for "女声" and anything else.
    static SpeechVoice choose(QStringView text, QStringView voiceSetting);

    bool operator==(const SpeechVoice &) const = default;
};
