// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/WeakItemDraw.h"
#include "core/adaptive/WeaknessModel.h"
#include "core/adaptive/WubiCharacterParts.h"
#include "core/material/DrillEntry.h"
#include "gui/practice/DrillServices.h"

#include <QObject>

#include <functional>
#include <optional>

class CodeTable;
class DrillModel;
class Exercise;
class KeyboardArea;
class KeySoundSwitch;
class KeystrokeHistory;
class QCheckBox;
class QFrame;
class SingleKeyDrill;
class WordDrill;
struct Settings;

// The drills of the practice panel: the single-key drills and the word
// drills in the drill area `Frame3`, and the numbers' option box `Check5`,
// all views of one drill model. The main window's drill entries end the
// running exercise, show the drill area and then call openDrill().
class DrillPanel : public QObject
{
    Q_OBJECT

public:
    // The settings, the exercise, the code lists, the key sounds and the
    // keyboards outlive the panel.
    DrillPanel(Settings &settings, Exercise &exercise, CodeTable &codeTable, DrillMaterial material,
               DrillVoice &voice, KeySoundSwitch &keySounds, KeyboardArea &keyboards, QFrame *Frame3,
               QFrame *Frame4, QFrame *Frame5, QFrame *Frame6, QObject *parent = nullptr);
    ~DrillPanel() override;

    // Sets the drill area up for a menu entry: frames, option boxes from the
    // settings (running their click logic), keyboards, material and first
    // target, and the focus in the drill's box.
    void openDrill(DrillEntry::Id id);

    // The keystroke history the weak-item drills learn from, read each time
    // one of them opens, and the clock (ms since the epoch) their decay is
    // measured by. Without a history they draw from the plain pool.
    void setHistory(KeystrokeHistory *history, std::function<qint64()> nowMs);
    // The weakness model the running weak-item drill draws by.
    const WeaknessModel &weaknessModel() const { return m_weaknessModel; }

    // The speech engine gave up: the read-aloud and hint boxes of the drills
    // are unticked, and their settings follow.
    void switchSpeechOptionsOff();

    void Check5_Click();

    DrillModel &model() const { return *m_model; }
    SingleKeyDrill *singleKey() const { return m_singleKey; }
    WordDrill *word() const { return m_word; }
    QCheckBox *const Check5; // the numbers' read-aloud or code-hint box

private:
    void setOption(QCheckBox *box, const QString &caption, bool ticked);
    void setAnalysis(const DrillEntry &entry);
    void runClick(QCheckBox *box);
    void openWeakDrill(WeakItemKind kind);

    DrillModel *m_model;
    DrillMaterial m_material;
    KeystrokeHistory *m_history = nullptr;
    std::function<qint64()> m_nowMs;
    WubiCharacterParts m_characterParts;
    WeaknessModel m_weaknessModel;
    std::optional<WeakItemDraw> m_weakDraw;
    KeyboardArea &m_keyboards;
    QFrame *const m_Frame3;
    QFrame *const m_Frame4;
    QFrame *const m_Frame5;
    QFrame *const m_Frame6;
    SingleKeyDrill *m_singleKey;
    WordDrill *m_word;
};
