// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/practice/OptionSetting.h"

#include <QObject>
#include <QString>

#include <array>

struct Settings;

// The option boxes of the two article views: `Check3` (hints) and `Check4`
// (read-aloud or code hint) of the normal view, `Check7` and `Check6`, their
// twins, of the abreast view. What each box means follows the language of
// the article: English "单词提示" and "单词朗读", Chinese "智能选词" and
// "编码提示". A box mirrors its setting, and changing a box from code runs
// its logic as a click does: the hints box loads what its hints need, a
// read-aloud box needs the hints ticked, and the Chinese code hint of the
// normal view picks the keyboard.
class ArticleOptions : public QObject
{
    Q_OBJECT

public:
    enum class Box { Check3, Check4, Check7, Check6 };

    // settings must outlive the options.
    explicit ArticleOptions(Settings &settings, QObject *parent = nullptr);

    // An article view opens: its two boxes take their captions and the
    // values of their settings, then run their logic, the read-aloud or code
    // hint box first.
    void open(Language language, bool abreast);

    Language language() const { return m_language; }
    QString caption(Box box) const;
    OptionSetting setting(Box box) const;
    bool ticked(Box box) const { return m_ticked[std::size_t(box)]; }

    // The box is set to ticked (a click, or code) and its logic runs: the
    // setting follows, then the partner box and the wishes below.
    void setTicked(Box box, bool ticked);

signals:
    void tickedChanged(ArticleOptions::Box box, bool ticked);
    // Smart word choice needs the code lists of the input method.
    void codeTableWanted();
    // Word hints need the English meaning list.
    void meaningListWanted();
    // The Chinese code hint of the normal view: the Wubi radical keyboard
    // to the front with its marks cleared (wubi), or the on-screen keyboard.
    void keyboardWanted(bool wubi);

private:
    static bool isHints(Box box) { return box == Box::Check3 || box == Box::Check7; }
    static Box partnerOf(Box box);

    Settings &m_settings;
    Language m_language = Language::English;
    std::array<bool, 4> m_ticked{};
};
