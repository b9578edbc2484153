// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillKinds.h"
#include "core/material/DrillLine.h"
#include "core/practice/WordBoxInput.h"
#include "gui/practice/DrillServices.h"

#include <QObject>
#include <QString>

class DrillModel;
class InputBox;
class KeyboardArea;
class KorvelButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QTextEdit;
class RadicalAnalysisStrip;

// The word drills (English words, Chinese phrases, English number words):
// the word line `Frame5` with the target word `RichTextBox1`, its hint
// `Label3`, the radical analysis `Wbzg1`, the word box `Text2` and the
// read-aloud button `KorvelButton4`, and the word-list chooser `Frame6` with
// `Combo1` and the option boxes `Check2` and `Check9`. A view of the drill
// model: it shows the model's word and hints and passes its keys to it.
class WordDrill : public QObject
{
    Q_OBJECT

public:
    // Check5 is the numbers' option box: it asks for the number words to be
    // read aloud.
    WordDrill(DrillModel &model, DrillMaterial material, DrillVoice &voice, KeyboardArea &keyboards,
              QFrame *Frame5, QFrame *Frame6, QCheckBox *Check5, QObject *parent = nullptr);

    // Fills Combo1 with the English word lists or the phrase lists of the
    // input method and runs the click of the selected entry.
    void FillWordLists(WordDrillKind kind);

    // Draws the next word of the material of kind into the word line. A
    // missing file or a line without "#" leaves the previous word on show; a
    // file without practice data offers to delete it.
    void read_text(WordDrillKind kind);

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
    RadicalAnalysisStrip *const Wbzg1;  // the radical analysis of a phrase
    InputBox *const Text2;              // the word box
    KorvelButton *const KorvelButton4;  // "朗读当前单词"

private:
    void showWord();
    // The phrase hints: the code under the phrase and its Wubi keys while
    // the option is ticked (or the hint key asked), the radical analysis.
    void showPhraseHints(bool codeAsked);
    void colourCharacter(int position, WordBoxInput::Mark mark);
    void offerToDelete(WordDrillKind kind, const QString &path);

    DrillModel &m_model;
    DrillMaterial m_material;
    DrillVoice &m_voice;
    KeyboardArea &m_keyboards;
    QFrame *const m_Frame5;
    QCheckBox *const m_Check5;
};
