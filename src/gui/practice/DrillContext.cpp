// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/DrillContext.h"

#include "core/material/DrillEntry.h"
#include "core/practice/Exercise.h"
#include "core/practice/KeySound.h"
#include "core/settings/Settings.h"
#include "core/sound/KeySoundSwitch.h"
#include "core/sound/Speech.h"
#include "core/wubi/CodeTable.h"
#include "widgets/OnScreenKeyboard.h"

DrillContext::DrillContext(Settings &settings, Exercise &exercise, const ProgramFolder &programFolder,
                           Prompter &prompter, RandomSource &random, CodeTable &codeTable,
                           KeySoundSwitch &keySounds, Speech &speech, OnScreenKeyboard *LUMOJP1,
                           std::function<void()> face_change)
    : settings(settings), exercise(exercise), programFolder(programFolder), prompter(prompter),
      random(random), codeTable(codeTable), keySounds(keySounds), speech(speech), LUMOJP1(LUMOJP1),
      m_face_change(std::move(face_change))
{
}

DrillCounts DrillContext::counts() const
{
    return { exercise.count(Exercise::Counter::Input), exercise.count(Exercise::Counter::Correct),
             exercise.count(Exercise::Counter::Wrong) };
}

void DrillContext::setCounts(const DrillCounts &counts)
{
    const DrillCounts before = this->counts();
    if (counts.input != before.input)
        exercise.setCount(Exercise::Counter::Input, counts.input);
    if (counts.correct != before.correct)
        exercise.setCount(Exercise::Counter::Correct, counts.correct);
    if (counts.wrong != before.wrong)
        exercise.setCount(Exercise::Counter::Wrong, counts.wrong);
}

void DrillContext::playKeySound(int kind)
{
    if (kind != KeySound::None)
        keySounds.play(qint16(kind));
}

void DrillContext::speak(const QString &text)
{
    speech.SpeakText(text.trimmed(), settings.Speed);
    face_change();
}

void DrillContext::repeatNextSpeech()
{
    speech.setLastSpokenText(QStringLiteral("1"));
}

QString DrillContext::codeOf(const QString &text, QString *found)
{
    QString foundText;
    QString code;
    codeTable.FindCode(text, foundText, code);
    if (found)
        *found = foundText;
    return code;
}

QString DrillContext::codeHint(const QString &code) const
{
    return settings.InputMeans + QStringLiteral("编码：") + code;
}

bool DrillContext::isWubi() const
{
    return settings.InputMeans == WubiInputMeans;
}

void DrillContext::showKeyboards(bool wubiKeyboard)
{
    if (wubiKeyboard && wubi.showWubiKeyboard(true)) {
        LUMOJP1->hide();
        return;
    }
    wubi.showWubiKeyboard(false);
    LUMOJP1->show();
}
