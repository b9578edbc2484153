// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillEntry.h"

#include <QObject>

class DrillContext;
class QCheckBox;
class QFrame;
class SingleKeyDrill;
class WordDrill;

// The drills of the practice panel: the single-key drills and the word
// drills in the drill area `Frame3`, and the numbers' option box `Check5`.
// The main window's drill entries end the running exercise, show the drill
// area and then call openDrill().
class DrillPanel : public QObject
{
    Q_OBJECT

public:
    DrillPanel(DrillContext &context, QFrame *Frame3, QFrame *Frame4, QFrame *Frame5, QFrame *Frame6,
               QObject *parent = nullptr);

    // Sets the drill area up for a menu entry: frames, option boxes from the
    // settings (running their click logic), keyboards, material and first
    // target, and the focus in the drill's box.
    void openDrill(DrillEntry::Id id);

    // The speech engine gave up: the read-aloud and hint boxes of the drills
    // are unticked, and their settings follow.
    void switchSpeechOptionsOff();

    void Check5_Click();

    SingleKeyDrill *singleKey() const { return m_singleKey; }
    WordDrill *word() const { return m_word; }
    QCheckBox *const Check5; // the numbers' read-aloud or code-hint box

private:
    void setOption(QCheckBox *box, const QString &caption, qint16 value);
    void setAnalysis(const DrillEntry &entry);
    void runClick(QCheckBox *box);

    DrillContext &m_context;
    QFrame *const m_Frame3;
    QFrame *const m_Frame4;
    QFrame *const m_Frame5;
    QFrame *const m_Frame6;
    SingleKeyDrill *m_singleKey;
    WordDrill *m_word;
};
