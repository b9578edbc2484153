// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/WeakItemDraw.h"
#include "gui/practice/DrillServices.h"

#include <QObject>
#include <QString>

#include <functional>

class DrillModel;
class InputBox;
class KeyboardArea;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QWidget;
class RadicalAnalysisStrip;

// The single-key drills (letters, Chinese characters, number characters,
// digits): the target character `Label2` with its code hint `Label4`, the
// radical analysis `Wbzg2` and the single-key box `Text1` in the drill area,
// and the letter/character chooser `Frame4` with `Combo2` and the option
// boxes `Check1` and `Check8`. A view of the drill model: it shows the
// model's target and hints and passes its keys to it.
class SingleKeyDrill : public QObject
{
    Q_OBJECT

public:
    // The controls go into the drill area Frame3 and the chooser Frame4; the
    // option boxes act only while the word line Frame5 is hidden.
    SingleKeyDrill(DrillModel &model, DrillMaterial material, DrillVoice &voice, KeyboardArea &keyboards,
                   QFrame *Frame3, QFrame *Frame4, QFrame *Frame5, QObject *parent = nullptr);

    // The letter set of the letter drill, 0 to 2.
    int letterSet() const { return m_letterSet; }
    // The character pool of the character drills.
    QString type1_text() const { return m_type1_text; }

    // Shows or hides the target, its hints and the box together.
    void showArea(bool shown);

    // Fills Combo2 with the letter drills (kind 0) or the character pools of
    // the input method (kind 1) and runs the click of the selected entry.
    void FillCharacterLists(int kind);
    // Loads the number characters "\chinese\number.txt" as the pool and shows
    // a first target.
    void loadNumberCharacters();
    // A new target drawn from the material, or by the weak-item draw while
    // one is set; a new letter is read aloud when Check1 asks for it.
    void showNextTarget();
    // The weak-item drills draw through draw and show its reason under the
    // target; an empty function returns to the material and hides the reason.
    void setWeakDraw(std::function<WeakItemDraw::Drawn()> draw);

    // The Chinese character branch of Check1 (shared with Check5 in the
    // number-character drill): the code hint and the Wubi keys shown or
    // hidden as the option says, the keyboard for the input method.
    void showCharacterHint();

    // Handlers.
    void Combo2_Click();
    void Check1_Click();
    void Check8_Click();
    void Text1_KeyDown(int keyCode, int shift);
    void Text1_KeyPress(int &code);
    void Text1_Change();

    QLabel *const Label14;         // "请选择练习内容："
    QComboBox *const Combo2;       // letter drills or character pools
    QCheckBox *const Check1;       // read-aloud (letters) or code hint (characters)
    QCheckBox *const Check8;       // "智能分析": radical analysis of the character drill
    QWidget *const area;           // the target line of the drill area
    QLabel *const Label2;          // the target character
    QLabel *const Label4;          // its code hint
    RadicalAnalysisStrip *const Wbzg2; // its radical analysis
    InputBox *const Text1;         // the single-key box
    QLabel *const Lab_weakReason;  // why a weak-item drill's target came up

signals:
    // Label2 shows a new target: the numbers' option box Check5 follows it
    // as Check1 does.
    void targetShown();

private:
    void showTarget();
    // The hints of a Chinese target: the code hint while the option is
    // ticked (or shown by the hint key), the radical analysis while its box
    // is ticked, the Wubi keys with the code hint.
    void showHints(bool codeAsked);
    // Loads the pool of a file; an unreadable file is reported and an empty
    // one offered for deletion. True when the chooser's first entry was
    // loaded in its place.
    bool loadPool(const QString &literal, bool fromChooser);
    bool chineseTarget() const;

    DrillModel &m_model;
    DrillMaterial m_material;
    DrillVoice &m_voice;
    KeyboardArea &m_keyboards;
    QFrame *const m_Frame3;
    QFrame *const m_Frame5;
    int m_letterSet = 0;
    QString m_type1_text; // the character pool, kept as the hidden type1_text box kept it
    std::function<WeakItemDraw::Drawn()> m_weakDraw;
};
