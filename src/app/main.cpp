// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/sound/SoundOutputRelay.h"
#include "core/users/AccountsLocation.h"
#include "core/users/UserSession.h"
#include "gui/adaptive/SqliteKeystrokeHistory.h"
#include "gui/app/AppLook.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramButtonSounds.h"
#include "gui/app/SplashWindow.h"
#include "gui/app/WindowAccessibility.h"
#include "gui/platform/DesktopUrlOpener.h"
#include "gui/platform/DialogFileChooser.h"
#include "gui/platform/FirstFrame.h"
#include "gui/platform/MessageBoxPrompter.h"
#include "gui/platform/QtTranslations.h"
#include "gui/platform/TerminationSignals.h"
#include "gui/sound/SoundSystem.h"
#include "gui/users/LoginWindow.h"
#include "gui/users/SingleInstance.h"

#include <QApplication>
#include <QPointer>
#include <QSessionManager>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installQtTranslations(app);
    applyAppLook(app);
    registerWindowAccessibility();
    // First of all, so that a kill during start-up waits for the event loop
    // instead of ending the program half-way.
    TerminationSignals termination;

    const ProgramFolder programFolder;
    MessageBoxPrompter prompter;
    DesktopUrlOpener urlOpener;
    DialogFileChooser fileChooser;
    UserSession session;

    // What the login window does not need opens once it is on screen: the
    // sound device and the speech engine, which take longer to open than the
    // login window takes to show, and the help window. The login window's
    // buttons are silent until then.
    SoundOutputRelay loginSounds;
    std::unique_ptr<SoundSystem> sounds;
    std::unique_ptr<HelpWindow> help;
    const auto openTheRest = [&] {
        if (sounds)
            return;
        sounds = std::make_unique<SoundSystem>(programFolder);
        loginSounds.setOutput(sounds->output());
        help = std::make_unique<HelpWindow>();
    };
    FirstFrame::watch(app, openTheRest);

    // The login window comes first; a login hands over to the splash, which
    // loads the main window. Closing the login window ends the program.
    SingleInstance instance(programFolder.root());
    ProgramButtonSounds buttonSounds(programFolder, loginSounds);
    // Made on the heap: a login hands over to the main window for good, so
    // the login window goes once it has hidden.
    QPointer<LoginWindow> login =
        new LoginWindow(programFolder, AccountsLocation::choose(programFolder), prompter, &buttonSounds);
    prompter.setParent(login);
    std::unique_ptr<SqliteKeystrokeHistory> keystrokes; // the logged-in user's; outlives the main window
    QPointer<MainWindow> mainWindow;
    QObject::connect(login, &LoginWindow::loggedIn, [&](const UserSession &loggedIn) {
        session = loggedIn;
        openTheRest();
        auto *splash = new SplashWindow([&] {
            keystrokes = std::make_unique<SqliteKeystrokeHistory>(session.userFolder);
            auto *window = new MainWindow(session, programFolder,
                                          {prompter, urlOpener, *help, sounds->output(), sounds->speechEngine(),
                                           sounds->effects(), fileChooser, &sounds->music(), &sounds->midi(),
                                           keystrokes.get()});
            mainWindow = window;
            prompter.setParent(window);
            fileChooser.setParent(window);
            window->load();
            return window;
        });
        splash->start();
        login->deleteLater();
    });

    // A logout, a shutdown or kill: the run ends as after "Yes" to the quit
    // question, without the question; before a login there is nothing to
    // keep. Every event loop ends, a modal dialog's included.
    QObject::connect(&termination, &TerminationSignals::requested, [&] {
        if (mainWindow)
            mainWindow->quitWithoutAsking();
        QCoreApplication::exit(0);
    });
    // The session manager's "save your data" before a logout it may still
    // cancel. A run starts at the login window, so there is no session to
    // restore later.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&] {
        if (mainWindow)
            mainWindow->saveSettingsNow();
    });
    QObject::connect(&app, &QGuiApplication::saveStateRequest,
                     [](QSessionManager &manager) { manager.setRestartHint(QSessionManager::RestartNever); });

    if (!login->start(instance)) {
        delete login;
        return 0;
    }
    const int exitCode = app.exec();
    // After a termination signal the main window is still there, hidden.
    delete mainWindow;
    delete login;
    return exitCode;
}
