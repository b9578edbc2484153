// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/ArticleText.h"
#include "core/material/Language.h"

#include <QString>

#include <optional>

class RandomSource;
struct Settings;

// The menu entry "最近练习文章" and toolbar buttons 0 ("最近英文练习") and 1
// ("最近中文练习"): go on with the article opened last from that language's
// menu (Earticle/Eplace or Carticle/Cplace) at its stored place, or, with
// none stored, run "自选文章(&O)..." instead.
struct RecentArticle
{
    enum class Action {
        OpenDialog, // nothing stored, or the file is gone: run "自选文章(&O)..."
        Start,      // start the exercise on practisedText
        Refused,    // the stored file cannot be practised: nothing starts
    };

    Action action = Action::OpenDialog;
    ArticleText::Status status = ArticleText::Status::Unreadable; // of the stored file
    QString path;          // the stored article
    QString practisedText; // its text from the place on, into RichTextBox2
    // Set the resume flag: the stored place plus the input count becomes the
    // next place. False when the place lay outside the text and the article
    // starts over, so that the next place counts from its beginning.
    bool resumed = false;
    Language language = Language::Chinese; // language test of practisedText, for preliminary

    bool operator==(const RecentArticle &) const = default;

    // The decision for a stored path and its 1-based place (the position of
    // the next character to type). A place beyond the text (an article typed
    // to its end) or below 1 starts the article over from its beginning.
    static RecentArticle decide(const QString &storedPath, qint32 storedPlace, RandomSource &random);
    // The same for the menu of a language: Earticle/Eplace for English,
    // Carticle/Cplace for Chinese.
    static RecentArticle decide(Language menu, const Settings &settings, RandomSource &random);

    // Toolbar button 0 is the English menu's entry, button 1 the Chinese
    // menu's; nullopt for every other button.
    static std::optional<Language> ofToolbarButton(int button);

    // What to tell the user when the stored file is refused:
    // ArticleFile::DamagedMessage for a damaged or empty file, nothing for a
    // file that cannot be read.
    QString message() const;
};
