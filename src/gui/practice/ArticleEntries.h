// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/platform/ProgramFolder.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class ArticleDialog;
class FileChooser;
class PracticePanel;
class Prompter;
class QWidget;
class RandomSource;
class UrlOpener;
struct WindowLook;
struct Settings;

// The article entries of the English and Chinese menus: "文章练习(&A)" (the
// article chooser), "自选文章(&O)..." (a file of the user's) and "最近练习文章"
// (the stored article at its stored place), and the exercise they start on
// the practice panel. It also keeps the article title and category folder
// that the save dialog files a result under.
class ArticleEntries : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        ProgramFolder programFolder;
        QString userFolder;
        Prompter &prompter;
        RandomSource &random;
        UrlOpener &urlOpener;
        FileChooser &fileChooser;
        const WindowLook &look; // the main window's, copied by each dialog it opens
    };

    // showPracticePanel brings the practice panel to the top of the main
    // window; dialogParent is the window the dialogs belong to.
    ArticleEntries(Services services, Settings &settings, PracticePanel &panel,
                   std::function<void()> showPracticePanel, QWidget *dialogParent);

    // Entry 3: the clock stops and the article chooser opens on the menu's
    // tree without waiting; its OK starts the exercise.
    void openArticleDialog(Language menu);
    // Entry 4: a file chosen by the user, read as an article file or as
    // plain text, becomes the menu's current article.
    void chooseArticle(Language menu);
    // Entry 5: the menu's stored article from its stored place; with none
    // stored, or the file gone, entry 4.
    void openRecentArticle(Language menu);

    // The article being practised, for the save dialog.
    QString title() const { return m_title; }
    QString categoryFolder() const { return m_categoryFolder; }

private:
    // Shows the practice panel, ends the exercise before and opens the text
    // in the view of the Window setting.
    void startExercise(const QString &text, Language language);

    Services m_services;
    Settings &m_settings;
    PracticePanel &m_panel;
    std::function<void()> m_showPracticePanel;
    QWidget *m_dialogParent;
    QPointer<ArticleDialog> m_dialog;
    QString m_title;
    QString m_categoryFolder;
};
