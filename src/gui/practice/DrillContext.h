// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/practice/DrillCounts.h"
#include "gui/practice/WubiAids.h"

#include <QString>

#include <functional>

class CodeTable;
class Exercise;
class KeySoundSwitch;
class OnScreenKeyboard;
class Prompter;
class RandomSource;
class Speech;
struct Settings;

// What the drills share with the rest of the main window: the settings, the
// exercise with its counters and clock, the material folder, the message
// boxes, the random draws, the code lists, key sounds, speech, the keyboards
// below the panel and the speaking face. Everything named here outlives the
// drills.
class DrillContext
{
public:
    DrillContext(Settings &settings, Exercise &exercise, const ProgramFolder &programFolder,
                 Prompter &prompter, RandomSource &random, CodeTable &codeTable,
                 KeySoundSwitch &keySounds, Speech &speech, OnScreenKeyboard *LUMOJP1,
                 std::function<void()> face_change);

    Settings &settings;
    Exercise &exercise;
    const ProgramFolder programFolder;
    Prompter &prompter;
    RandomSource &random;
    CodeTable &codeTable;
    KeySoundSwitch &keySounds;
    Speech &speech;
    OnScreenKeyboard *const LUMOJP1;
    WubiAids wubi;

    // The drill counters of the exercise, and writing changed ones back.
    DrillCounts counts() const;
    void setCounts(const DrillCounts &counts);

    // A key sound of the keystroke rules (KeySound kind), when key sounds are on.
    void playKeySound(int kind);

    // Speaks text, spaces around it removed, at the `Speed` setting, then
    // shows the speaking face. A text spoken last is not spoken again.
    void speak(const QString &text);
    // Lets the next request speak even the text spoken last.
    void repeatNextSpeech();

    // The code of a character or phrase in the lists of the input method:
    // empty when it has none or the lists cannot be read (the drills carry
    // on without codes). found is the text when it was found.
    QString codeOf(const QString &text, QString *found = nullptr);
    // The code hint: the input method + "编码：" + code.
    QString codeHint(const QString &code) const;
    bool isWubi() const;

    // The keyboard below the panel: the Wubi key map when wubi says so (and
    // it is there), otherwise the on-screen keyboard.
    void showKeyboards(bool wubi);

    void face_change() { m_face_change(); }

private:
    std::function<void()> m_face_change;
};
