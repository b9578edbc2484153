// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

// Header-only: it builds gui classes, and the support library is core level.

#include "core/platform/ProgramFolder.h"
#include "core/settings/SettingsFile.h"
#include "core/sound/SoundEffects.h"
#include "core/users/AccountsFolder.h"
#include "core/users/UserSession.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ShellServices.h"

#include "FakeMusicOutput.h"
#include "FakeSoundOutput.h"
#include "FakeSpeechEngine.h"
#include "RecordingUrlOpener.h"
#include "ScriptedFileChooser.h"
#include "ScriptedPrompter.h"

#include <QDir>
#include <QPointer>
#include <QTest>

// The main window on fakes, for tests that drive the whole window. The rig
// holds a new user's session for a program folder and a user folder, and
// everything the window talks to; a test changes the settings, opens the
// window, then answers and observes the fakes. Make the rig once the program
// folder holds what the test puts there: the defaults and the sound paths
// are taken from it.
class MainWindowRig
{
public:
    // What open() waits for once the window is shown.
    enum class Wait { Active, Exposed, None };

    struct Options
    {
        Wait wait = Wait::Active;
        bool music = false;           // background music into `music`; without it the window has none
        Prompter *prompter = nullptr; // the test's own prompter in place of `prompter`
    };

    // The user folder is created when missing.
    MainWindowRig(const QString &programRoot, const QString &userFolder)
        : programFolder(programRoot), effects(programFolder, sound)
    {
        session.userFolder = userFolder;
        QDir().mkpath(userFolder);
        DefaultSettings(session.settings, programFolder);
    }

    // A window a test closed has deleted itself already.
    ~MainWindowRig() { delete m_window; }

    MainWindowRig(const MainWindowRig &) = delete;
    MainWindowRig &operator=(const MainWindowRig &) = delete;

    // The user's "Deplog.ini", as a logged-in user's folder holds it.
    QString settingsFile() const { return AccountsFolder::settingsFile(session.userFolder); }
    bool saveSettings() const { return SaveSettings(session.settings, settingsFile(), programFolder); }

    // Makes, loads and shows the window; false when it did not get to the wait's state.
    bool open() { return open(Options{}); }
    bool open(const Options &options)
    {
        Prompter &asks = options.prompter ? *options.prompter : prompter;
        return openWith({asks, urls, help, sound, speech, effects, files, options.music ? &music : nullptr},
                        options.wait);
    }
    // The same on services of the test's own, which must outlive the window:
    // delete window() before they go.
    bool openWith(const ShellServices &services, Wait wait = Wait::Active)
    {
        delete m_window;
        m_window = new MainWindow(session, programFolder, services);
        m_window->load();
        m_window->show();
        switch (wait) {
        case Wait::Active:
            m_window->activateWindow();
            return QTest::qWaitForWindowActive(m_window);
        case Wait::Exposed:
            return QTest::qWaitForWindowExposed(m_window);
        case Wait::None:
            break;
        }
        return true;
    }

    // Null before open() and once the window has gone.
    const QPointer<MainWindow> &window() const { return m_window; }

    const ProgramFolder programFolder;
    UserSession session;
    ScriptedPrompter prompter;
    RecordingUrlOpener urls;
    ScriptedFileChooser files;
    HelpWindow help;
    FakeSoundOutput sound;
    FakeSpeechEngine speech;
    SoundEffects effects;
    FakeMusicOutput music;

private:
    QPointer<MainWindow> m_window;
};
