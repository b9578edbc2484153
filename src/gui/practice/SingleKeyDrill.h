// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>
#include <QString>

class DrillContext;
class InputBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QWidget;

// The single-key drills (letters, Chinese characters, number characters,
// digits): the target character `Label2` with its code hint `Label4` and the
// single-key box `Text1` in the drill area, and the letter/character chooser
// `Frame4` with `Combo2` and the option boxes `Check1` and `Check8`.
class SingleKeyDrill : public QObject
{
    Q_OBJECT

public:
    // The controls go into the drill area Frame3 and the chooser Frame4; the
    // option boxes act only while the word line Frame5 is hidden.
    SingleKeyDrill(DrillContext &context, QFrame *Frame3, QFrame *Frame4, QFrame *Frame5,
                   QObject *parent = nullptr);

    // The drill mode: "en", "ch", "chnu" or "nu".
    QString drillMode() const { return m_drillMode; }
    void setDrillMode(const QString &drillMode) { m_drillMode = drillMode; }
    // The letter set of the letter drill, 0 to 2.
    int letterSet() const { return m_letterSet; }
    // The character pool of the character drills.
    QString type1_text() const { return m_type1_text; }

    // Shows or hides the target, its code hint and the box together.
    void showArea(bool shown);

    // Fills Combo2 with the letter drills (kind 0) or the character pools of
    // the input method (kind 1) and runs the click of the selected entry.
    void FillCharacterLists(int kind);
    // Loads the number characters "\chinese\number.txt" as the pool and shows
    // a first target.
    void loadNumberCharacters();
    // Label2 = open_type1, with the new-target logic; a new letter is read
    // aloud when Check1 asks for it.
    void showNextTarget();

    // The code hint and the Wubi key map of the Chinese character branch of
    // Check1 (shared with Check5 in the number-character drill): shown or
    // hidden as ticked says, the keyboard for the input method.
    void showCharacterHint(bool ticked);

    // Handlers.
    void Combo2_Click();
    void Check1_Click();
    void Check8_Click();
    void Text1_KeyDown(int keyCode, int shift);
    void Text1_KeyPress(int &code);
    void Text1_Change();

    QLabel *const Label14;    // "请选择练习内容："
    QComboBox *const Combo2;  // letter drills or character pools
    QCheckBox *const Check1;  // read-aloud (letters) or code hint (characters)
    QCheckBox *const Check8;  // "智能分析": radical analysis of the character drill
    QWidget *const area;      // the target line of the drill area
    QLabel *const Label2;     // the target character
    QLabel *const Label4;     // its code hint
    InputBox *const Text1;    // the single-key box

signals:
    // Label2 got a new target: the numbers' option box Check5 follows it as
    // Check1 does.
    void targetChanged();

private:
    void setTarget(const QString &target);
    // Loads the pool of a file; an unreadable file is reported and an empty
    // one offered for deletion. True when the chooser's first entry was
    // loaded in its place.
    bool loadPool(const QString &literal, bool fromChooser);
    void showCodeAfterRightKey();
    bool panelShown() const;

    DrillContext &m_context;
    QFrame *const m_Frame3;
    QFrame *const m_Frame5;
    QString m_drillMode = QStringLiteral("en");
    int m_letterSet = 0;
    QString m_type1_text; // the character pool, kept as the hidden type1_text box kept it
};
