// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/practice/ArticleLookup.h"
#include "core/practice/ArticleModel.h"
#include "core/practice/Exercise.h"
#include "core/practice/KeySound.h"

#include <QFrame>
#include <QTimer>

class ArticleOptionBoxes;
class ArticleViews;
class KeyboardArea;
class OnScreenKeyboard;
class WubiKeyboard;
class StatisticsBar;
struct Settings;
struct ShellState;

// The practice panel `Frame9`: the statistics bar `Frame2` (right), the drill
// area `Frame3` with the word line `Frame5`, the word-list chooser `Frame6`
// and the letter/character chooser `Frame4`, the article views `Frame7`
// (normal) and `Frame15` (abreast), and the keyboard area `Frame1` (bottom).
// It owns the exercise with its clock `Timer2`, the article exercise shown in
// the two article views, and the operations every practice mode shares:
// `Cleanup`, `preliminary` and `SetTextFocus`.
class PracticePanel : public QFrame
{
    Q_OBJECT

public:
    // lookup gives the article views their code and meaning hints; the
    // program passes ArticleLookup::of(its code lists, its meaning list).
    PracticePanel(Settings &settings, ShellState &shell, ArticleLookup lookup = {}, QWidget *parent = nullptr);

    Exercise &exercise() { return m_exercise; }
    // The article exercise of the two article views.
    ArticleModel &articleModel() { return m_articleModel; }
    ArticleViews &articleViews() const { return *m_articleViews; }
    QTimer &Timer2() { return m_Timer2; }

    StatisticsBar *Frame2() const { return m_Frame2; }
    QFrame *Frame3() const { return m_Frame3; }
    QFrame *Frame4() const { return m_Frame4; }
    QFrame *Frame5() const { return m_Frame5; }
    QFrame *Frame6() const { return m_Frame6; }
    QFrame *Frame7() const { return m_Frame7; }
    QFrame *Frame15() const { return m_Frame15; }
    QFrame *Frame1() const { return m_Frame1; }
    // The on-screen keyboard and the Wubi radical keyboard, one of them shown
    // in the keyboard area.
    KeyboardArea &keyboards() const { return *m_keyboards; }
    // The option boxes of the two article views.
    ArticleOptionBoxes &articleOptions() const { return *m_articleOptions; }
    OnScreenKeyboard *LUMOJP1() const { return m_LUMOJP1; }
    WubiKeyboard *lumo_wbjp1() const { return m_lumo_wbjp1; }

    // The height of the statistics bar in twips: 3795 beside the drills and
    // the normal view, 6525 beside the abreast view.
    void setStatisticsHeight(int twips);
    // The statistics bar beside the drills and the normal view, below the keyboard area.
    void showShortStatistics();

    // Shows the drill area in place of the article views, beside a statistics
    // bar of drill height.
    void showDrillArea();

    // Ends the running exercise and resets the statistics for a new one.
    void Cleanup();
    // Opens the article exercise in the view the Window setting chooses, from
    // the input count on: the whole practised text after Cleanup; after a
    // view switch, which made the input count the earlier count, the rest
    // from the next character to type. The practised text is already in place.
    void preliminary(Language language);
    // Gives the focus to the input box of the visible view; returns it, or
    // nullptr when no box could take it.
    QWidget *SetTextFocus();

    void KorvelButton1_Click(); // start
    void KorvelButton2_Click(); // pause

protected:
    void resizeEvent(QResizeEvent *event) override;

signals:
    // Cleanup ended the exercise: whatever counts along with it starts again.
    void cleanedUp();
    // A countdown ran out: the save dialog is to open.
    void countdownEnded();
    // The last character of the article was typed; the clock is off. The
    // save dialog is to open, modally, from here.
    void articleFinished();
    // PlayKeySound of an article key, to be played while key sounds are on.
    void keySoundWanted(KeySound sound);
    // SpeakText of an English article's word hint.
    void speechWanted(const QString &text);

private:
    QFrame *makeFrame(const QString &name, QWidget *parent, const QRect &geometry);
    void openNormalView(Language language);
    void openAbreastView(Language language);
    void setModeName(Language language);

    void showArticleKeyboard(Language language);
    void setArticleOptions(Language language);

    Settings &m_settings;
    ShellState &m_shell;
    Exercise m_exercise;
    ArticleModel m_articleModel;
    QTimer m_Timer2;             // exercise clock, 1000 ms
    StatisticsBar *m_Frame2;     // statistics bar
    QFrame *m_Frame3;            // drill area
    QFrame *m_Frame4;            // letter and character chooser
    QFrame *m_Frame5;            // word line
    QFrame *m_Frame6;            // word-list chooser
    QFrame *m_Frame7;            // normal article view
    QFrame *m_Frame15;           // abreast article view
    QFrame *m_Frame1;            // keyboard area
    OnScreenKeyboard *m_LUMOJP1; // on-screen keyboard, in the keyboard area
    WubiKeyboard *m_lumo_wbjp1;  // Wubi radical keyboard, in the same place
    KeyboardArea *m_keyboards;
    ArticleOptionBoxes *m_articleOptions;
    ArticleViews *m_articleViews;
};
