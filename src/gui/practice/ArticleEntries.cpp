// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/ArticleEntries.h"

#include "core/material/ArticleFolders.h"
#include "core/material/ChosenArticle.h"
#include "core/material/RecentArticle.h"
#include "core/platform/Prompter.h"
#include "core/practice/Exercise.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPath.h"
#include "gui/material/ArticleDialog.h"
#include "gui/material/ChooseArticleFile.h"
#include "gui/practice/PracticePanel.h"

ArticleEntries::ArticleEntries(Services services, Settings &settings, PracticePanel &panel,
                               std::function<void()> showPracticePanel, QWidget *dialogParent)
    : QObject(dialogParent), m_services(std::move(services)), m_settings(settings), m_panel(panel),
      m_showPracticePanel(std::move(showPracticePanel)), m_dialogParent(dialogParent)
{
}

void ArticleEntries::openArticleDialog(Language menu)
{
    m_panel.exercise().stopClock();
    m_categoryFolder = ArticleFolders::categoryFolder(menu);
    // One chooser at a time: a second call brings the open one forward.
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    m_dialog = new ArticleDialog(m_services.programFolder, m_services.userFolder, menu, m_services.prompter,
                                 m_services.random, m_services.urlOpener, m_services.look, m_dialogParent);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &ArticleDialog::started, this, [this](const ArticleSelection::Start &start) {
        Exercise &exercise = m_panel.exercise();
        if (start.countdown)
            exercise.setCountdown(start.countdown->hours, start.countdown->minutes, start.countdown->seconds);
        else
            exercise.clearCountdown();
        m_title = start.title;
        startExercise(start.practisedText, start.language);
    });
    connect(m_dialog, &QDialog::finished, this, [this] { m_panel.SetTextFocus(); });
    m_dialog->show();
}

void ArticleEntries::chooseArticle(Language menu)
{
    const std::optional<ChosenArticle> chosen = chooseArticleFile(m_services.fileChooser, m_services.random);
    if (!chosen)
        return;
    // Its path goes into the settings; one that would not come back whole is
    // refused now rather than naming another file at the next run.
    if (const QString refusal = SettingsPath::refusal(chosen->path, m_services.programFolder);
        !refusal.isEmpty()) {
        m_services.prompter.inform(refusal, QStringLiteral("提示"), Prompter::Icon::Warning);
        return;
    }
    if (!chosen->starts()) {
        if (!chosen->message().isEmpty())
            m_services.prompter.inform(chosen->message(), QStringLiteral("提示"), Prompter::Icon::Information);
        return;
    }
    Exercise &exercise = m_panel.exercise();
    exercise.clearCountdown();
    m_title = chosen->title;
    m_showPracticePanel();
    m_panel.Cleanup();
    ArticleInUse &articles = exercise.articles();
    (menu == Language::English ? articles.currentEnglish : articles.currentChinese) = chosen->path;
    (menu == Language::English ? articles.english : articles.chinese) = true;
    exercise.setPractisedText(chosen->practisedText);
    m_panel.preliminary(chosen->language);
}

void ArticleEntries::openRecentArticle(Language menu)
{
    const RecentArticle recent = RecentArticle::decide(menu, m_settings, m_services.random);
    switch (recent.action) {
    case RecentArticle::Action::OpenDialog:
        chooseArticle(menu);
        return;
    case RecentArticle::Action::Refused:
        if (!recent.message().isEmpty())
            m_services.prompter.inform(recent.message(), QStringLiteral("提示"), Prompter::Icon::Information);
        return;
    case RecentArticle::Action::Start:
        break;
    }
    Exercise &exercise = m_panel.exercise();
    ArticleInUse &articles = exercise.articles();
    m_showPracticePanel();
    (menu == Language::English ? articles.english : articles.chinese) = false;
    exercise.clearCountdown();
    m_panel.Cleanup();
    (menu == Language::English ? articles.currentEnglish : articles.currentChinese) = recent.path;
    (menu == Language::English ? articles.english : articles.chinese) = true;
    articles.resumed = recent.resumed;
    exercise.setPractisedText(recent.practisedText);
    m_panel.preliminary(recent.language);
}

void ArticleEntries::startExercise(const QString &text, Language language)
{
    Exercise &exercise = m_panel.exercise();
    m_showPracticePanel();
    m_panel.Cleanup();
    // An article from the chooser is no menu article: the place reached in
    // it must not be stored as the place of the menu article used before.
    exercise.articles().english = false;
    exercise.articles().chinese = false;
    exercise.articles().resumed = false;
    exercise.setPractisedText(text);
    m_panel.preliminary(language);
    m_panel.SetTextFocus();
}
