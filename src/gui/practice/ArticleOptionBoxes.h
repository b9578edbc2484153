// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/practice/ArticleOptions.h"

#include <QObject>

#include <functional>

class KeyboardArea;
class QCheckBox;
class QFrame;
struct Settings;

// The option boxes of the article views, views of the article options:
// `Check3` and `Check4` in the normal view `Frame7`, `Check7` and `Check6` in
// the abreast view `Frame15`; the article views place them (the abreast
// view's under its hints in the statistics bar). A click acts only while the
// box's view is shown; the focus then returns to the view's input box.
class ArticleOptionBoxes : public QObject
{
    Q_OBJECT

public:
    // The settings and the keyboards outlive the boxes; SetTextFocus gives
    // the focus back to the view's input box.
    ArticleOptionBoxes(Settings &settings, KeyboardArea &keyboards, QFrame *Frame7, QFrame *Frame15,
                       std::function<void()> SetTextFocus, QObject *parent = nullptr);

    ArticleOptions &options() { return m_options; }

    // The view opens: its boxes take their captions and settings and run
    // their logic.
    void open(Language language, bool abreast);

    // The input box of the view shown got the focus: its two boxes take the
    // values of their settings again, as the settings dialog may have changed
    // them. Only a box whose value changes runs its logic, so the keyboard
    // and its marks stay as the typing left them.
    void setFromSettings();

    // The speech engine gave up: the read-aloud boxes of the view shown are
    // unticked, and their settings follow.
    void switchSpeechOptionsOff();

    QCheckBox *box(ArticleOptions::Box box) const;

    QCheckBox *const Check3; // normal view: "单词提示" or "智能选词"
    QCheckBox *const Check4; // normal view: "单词朗读" or "编码提示"
    QCheckBox *const Check7; // abreast view: as Check3
    QCheckBox *const Check6; // abreast view: as Check4

private:
    void clicked(ArticleOptions::Box box);
    bool viewShown(ArticleOptions::Box box) const;

    Settings &m_settings;
    ArticleOptions m_options;
    QFrame *const m_Frame7;
    QFrame *const m_Frame15;
    std::function<void()> m_SetTextFocus;
};
