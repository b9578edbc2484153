// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillLine.h"
#include "core/practice/WordBoxInput.h"

#include <QObject>
#include <QString>

class DrillContext;
class InputBox;
class KorvelButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QTextEdit;

// The word drills (English words, Chinese phrases, English number words):
// the word line `Frame5` with the target word `RichTextBox1`, its hint
// `Label3`, the word box `Text2` and the read-aloud button `KorvelButton4`,
// and the word-list chooser `Frame6` with `Combo1` and the option boxes
// `Check2` and `Check9`.
class WordDrill : public QObject
{
    Q_OBJECT

public:
    // Check5 is the numbers' option box: it asks for the number words to be
    // read aloud.
    WordDrill(DrillContext &context, QFrame *Frame5, QFrame *Frame6, QCheckBox *Check5,
              QObject *parent = nullptr);

    // The word drill kind: 1 English words, 2 phrases, 3 number words.
    int wordDrillKind() const { return m_kind; }
    void setWordDrillKind(int kind) { m_kind = kind; }
    const WordBoxInput &input() const { return m_input; }

    // Fills Combo1 with the English word lists (kind 1) or the phrase lists
    // of the input method (kind 2) and runs the click of the selected entry.
    void FillWordLists(int kind);

    // Draws the next word of the material of kind into the word line. A
    // missing file or a line without "#" leaves the previous word on show; a
    // file without practice data offers to delete it.
    void read_text(int kind);

    // Handlers.
    void Combo1_Click();
    void Check2_Click();
    void Check9_Click();
    void KorvelButton4_Click();
    void Text2_KeyDown(int keyCode, int shift);
    void Text2_KeyPress(int &code);
    void Text2_Change();

    QLabel *const Label13;              // "请选择练习内容："
    QComboBox *const Combo1;            // word or phrase lists
    QCheckBox *const Check2;            // read-aloud (words) or code hint (phrases)
    QCheckBox *const Check9;            // "智能分析": radical analysis of the phrase drill
    QTextEdit *const RichTextBox1;      // the target word
    QLabel *const Label3;               // its meaning or code
    InputBox *const Text2;              // the word box
    KorvelButton *const KorvelButton4;  // "朗读当前单词"

private:
    void showWord(int kind, const DrillLine &line);
    void clearWord();
    void colourCharacter(int position, WordBoxInput::Mark mark);
    void offerToDelete(int kind, const QString &path);

    DrillContext &m_context;
    QFrame *const m_Frame5;
    QCheckBox *const m_Check5;
    int m_kind = 1;
    WordBoxInput m_input;
};
