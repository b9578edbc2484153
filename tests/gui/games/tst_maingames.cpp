// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MainMenus.h"
#include "core/settings/SettingsFile.h"
#include "core/sound/SoundEffects.h"
#include "core/users/UserSession.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolBand.h"
#include "gui/games/GamePanel.h"
#include "gui/practice/PracticePanel.h"
#include "gui/results/ResultPanel.h"

#include "FakeSoundOutput.h"
#include "FakeSpeechEngine.h"
#include "RecordingUrlOpener.h"
#include "ScriptedFileChooser.h"
#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

// The games on the main window: the games menu and toolbar button 3 open
// them on the game panel, other entries put them away.
class tst_MainGames : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void entriesOpenTheGamePanel_data();
    void entriesOpenTheGamePanel();
    void drillEntryPutsTheGameAway();
    void gameOverWithNoShowsTheStartPicture();

private:
    void makeWindow();
    QWidget *child(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    QTimer *timer(const QString &name) const { return m_window->findChild<QTimer *>(name); }

    std::unique_ptr<TestFolder> m_folder;
    UserSession m_session;
    ScriptedPrompter m_prompter;
    RecordingUrlOpener m_urls;
    ScriptedFileChooser m_files;
    std::unique_ptr<HelpWindow> m_help;
    FakeSoundOutput m_sound;
    FakeSpeechEngine m_speechEngine;
    std::unique_ptr<SoundEffects> m_effects;
    QPointer<MainWindow> m_window;
};

void tst_MainGames::init()
{
    m_folder = std::make_unique<TestFolder>();
    // Code lists of "五笔" for the shooting game.
    m_folder->copyFixture(QStringLiteral("games"));
    m_prompter.clear();
    m_help = std::make_unique<HelpWindow>();
    makeWindow();
}

void tst_MainGames::cleanup()
{
    delete m_window;
    m_help.reset();
    m_folder.reset();
}

void tst_MainGames::makeWindow()
{
    const ProgramFolder folder(m_folder->path());
    m_session = {};
    m_session.userFolder = m_folder->file(QStringLiteral("user/default"));
    QDir().mkpath(m_session.userFolder);
    DefaultSettings(m_session.settings, folder);
    m_session.settings.InputMeans = QStringLiteral("五笔");
    m_effects = std::make_unique<SoundEffects>(folder, m_sound);
    m_window = new MainWindow(m_session, folder,
                              {m_prompter, m_urls, *m_help, m_sound, m_speechEngine, *m_effects, m_files});
    m_window->load();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_MainGames::entriesOpenTheGamePanel_data()
{
    QTest::addColumn<bool>("toolbar");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("mode");

    QTest::newRow("toolbar button 3: the frog") << true << 1 << "PLAY1Pic1" << "青蛙";
    QTest::newRow("青蛙吃虫(&F)") << false << 1 << "PLAY1Pic1" << "青蛙";
    QTest::newRow("打田鼠(&M)") << false << 2 << "play2Pic1" << "地鼠";
    QTest::newRow("打字精英(&R)") << false << 3 << "Play3Pic1" << "精英";
}

void tst_MainGames::entriesOpenTheGamePanel()
{
    QFETCH(bool, toolbar);
    QFETCH(int, entry);
    QFETCH(QString, picture);
    QFETCH(QString, mode);

    if (toolbar)
        m_window->KorvelButton3_Click(ToolBand::Games);
    else
        m_window->SmartNetXpButtonm_Click(MainMenus::Games, entry);

    QVERIFY(m_window->Frame14()->isVisible());
    QVERIFY(!m_window->Picture11()->isVisible());
    QVERIFY(!m_window->Frame9()->isVisible());
    QVERIFY(!m_window->Frame10()->isVisible());
    QVERIFY(child(picture)->isVisible());
    QCOMPARE(modeName(m_window->shell().currentMode), mode);
    QVERIFY(m_prompter.asked().isEmpty());
    QVERIFY(m_window->Frame14()->isAncestorOf(QApplication::focusWidget()));
}

void tst_MainGames::drillEntryPutsTheGameAway()
{
    m_window->SmartNetXpButtonm_Click(MainMenus::Games, 1);
    QVERIFY(timer(QStringLiteral("PLAY1Timer2"))->isActive());
    m_window->SmartNetXpButtonm_Click(MainMenus::English, 1);
    QVERIFY(m_window->Frame9()->isVisible());
    QVERIFY(!m_window->Frame14()->isVisible());
    QVERIFY(!timer(QStringLiteral("PLAY1Timer2"))->isActive());
    QVERIFY(!timer(QStringLiteral("PLAY1Timer1"))->isActive());
}

void tst_MainGames::gameOverWithNoShowsTheStartPicture()
{
    m_window->SmartNetXpButtonm_Click(MainMenus::Games, 2);
    m_prompter.answerNext(Prompter::Answer::No);
    QWidget *moles = child(QStringLiteral("play2Pic1"));
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(moles, Qt::Key_1);
    QCOMPARE(m_prompter.texts(), QStringList({QStringLiteral("游戏结束，是否重来？")}));
    QVERIFY(m_window->Picture11()->isVisible());
    QVERIFY(!m_window->Frame14()->isVisible());
    QVERIFY(!timer(QStringLiteral("play2Timer1"))->isActive());
}

QTEST_MAIN(tst_MainGames)
#include "tst_maingames.moc"
