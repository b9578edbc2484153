// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillEntry.h"
#include "core/material/DrillLine.h"
#include "core/practice/KeySound.h"
#include "core/practice/SingleKeyInput.h"
#include "core/practice/WordBoxInput.h"

#include <QObject>
#include <QString>
#include <QStringView>

class CodeTable;
class Exercise;
struct Settings;

// The state of the drill area, which the drill panels paint and pass their
// keys to: the drill entry that runs, the target character or word with its
// code, the option box and the radical analysis box with the settings they
// mirror, and the order in which a key is judged, counted, sounded and moves
// on to the next target.
//
// Drawing from the material is the panels' business (it reads files and may
// ask the user): the model asks for the next target or word through
// nextTargetWanted() and nextWordWanted(), which the panel answers at once
// with setTarget() or setWord().
class DrillModel : public QObject
{
    Q_OBJECT

public:
    // All three must outlive the model; the settings are read as they are at
    // each call, so a change of input method takes effect at once.
    DrillModel(Settings &settings, Exercise &exercise, CodeTable &codeTable, QObject *parent = nullptr);

    Settings &settings() const { return m_settings; }

    // A drill entry starts: its option boxes take the values of their
    // settings; the target and the word are emptied.
    void open(DrillEntry::Id id);
    const DrillEntry &entry() const { return DrillEntry::entry(m_entry); }
    DrillMode drillMode() const { return entry().drillMode; }
    WordDrillKind wordDrillKind() const { return entry().wordDrillKind; }
    bool isWubi() const;

    // The option box (Check1, Check2 or Check5) and the setting it mirrors.
    bool optionTicked() const { return m_optionTicked; }
    void setOptionTicked(bool ticked);
    // The radical analysis box (Check8 or Check9), mirroring `CWbzgDemand`;
    // enabled only in the character and phrase drills with "五笔".
    bool analysisTicked() const { return m_analysisTicked; }
    void setAnalysisTicked(bool ticked);
    bool analysisEnabled() const;

    // The single-key target (Label2).
    QString target() const { return m_target; }
    void setTarget(const QString &target);

    // The word drill's word (RichTextBox1) with its marks, and the hint of
    // its line: the meaning of an English word, the code of a phrase.
    const WordBoxInput &word() const { return m_word; }
    QString wordHint() const { return m_line.hint; }
    void setWord(const DrillLine &line);

    // The code of the target in the code lists of the input method (looked up
    // on first need; empty when it has none or the lists cannot be read), or
    // for a phrase the code its drill line gives. foundText() is the target
    // when the lists know it, empty otherwise.
    QString code();
    QString foundText();
    // The hint text of a code: the input method + "编码：" + code.
    QString codeHint(const QString &code) const;

    // The hot keys of the key-down event (`ReciteKey`, `CueKey`).
    SingleKeyInput::KeyDown singleKeyDown(int keyCode) const;
    WordBoxInput::KeyDown wordKeyDown(int keyCode) const;

    // A key press in the single-key box: the clock starts, the counters
    // change, the key sound is asked for and, for the right key, the next
    // target (nextTargetWanted) -- in that order, so that keys typed while the
    // next target is read aloud count on from here.
    SingleKeyInput::Press singleKeyPress(char32_t code);

    // A key press in the word box holding typed: the clock starts, the
    // counters change, then either the next word is drawn and the
    // word-finished sound plays, or the key's own sound plays.
    WordBoxInput::Press wordKeyPress(char32_t code, QStringView typed);
    // The word box changed to typed (or got the focus): the next character
    // to type follows the box; a word typed to its end draws the next word
    // and plays the word-finished sound.
    void wordChange(QStringView typed);

signals:
    void targetChanged();
    void wordChanged();
    void nextTargetWanted();
    void nextWordWanted();
    // A key sound to play (never None).
    void keySound(KeySound sound);
    // A key was judged against the character it should have been: in the
    // single-key box every key but Backspace while there is a target, in the
    // word box every character key within the word. Emitted after the
    // counters changed and before the next target or word is asked for.
    void keyJudged(const QString &target, const QString &typed, bool correct);

private:
    void lookUpCode();
    void countKeys(const DrillCounts &counts);
    void playSound(KeySound sound);

    Settings &m_settings;
    Exercise &m_exercise;
    CodeTable &m_codeTable;
    DrillEntry::Id m_entry = DrillEntry::Id::Letters;
    bool m_optionTicked = false;
    bool m_analysisTicked = false;
    QString m_target;
    WordBoxInput m_word;
    DrillLine m_line;
    bool m_codeLookedUp = false;
    QString m_code;
    QString m_found;
};
