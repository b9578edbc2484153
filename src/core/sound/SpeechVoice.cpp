// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/SpeechVoice.h"

#include <QChar>
#include <QList>

namespace {

bool holdsChinese(QStringView text)
{
    for (const uint code : text.toUcs4()) {
        if (QChar::script(code) == QChar::Script_Han)
            return true;
    }
    return false;
}

} // namespace

SpeechVoice SpeechVoice::choose(QStringView text, QStringView voiceSetting)
{
    SpeechVoice voice;
    voice.language = holdsChinese(text) ? Language::Chinese : Language::English;
    voice.gender = voiceSetting == u"男声" ? Gender::Male : Gender::Female;
    return voice;
}
