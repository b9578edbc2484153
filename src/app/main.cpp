// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/users/UserSession.h"
#include "gui/app/AppLook.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/SplashWindow.h"
#include "gui/app/WindowAccessibility.h"
#include "gui/platform/DesktopUrlOpener.h"
#include "gui/platform/DialogFileChooser.h"
#include "gui/platform/MessageBoxPrompter.h"
#include "gui/sound/SoundSystem.h"
#include "gui/users/LoginWindow.h"
#include "gui/users/SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppLook(app);
    registerWindowAccessibility();

    const ProgramFolder programFolder;
    MessageBoxPrompter prompter;
    DesktopUrlOpener urlOpener;
    DialogFileChooser fileChooser;
    HelpWindow help;
    UserSession session;
    SoundSystem sounds(programFolder);

    // The login window comes first; a login hands over to the splash, which
    // loads the main window. Closing the login window ends the program.
    SingleInstance instance(programFolder.root());
    LoginWindow login(programFolder, prompter);
    prompter.setParent(&login);
    QObject::connect(&login, &LoginWindow::loggedIn, [&](const UserSession &loggedIn) {
        session = loggedIn;
        auto *splash = new SplashWindow([&] {
            auto *window = new MainWindow(session, programFolder,
                                          {prompter, urlOpener, help, sounds.output(), sounds.speechEngine(),
                                           sounds.effects(), fileChooser});
            prompter.setParent(window);
            fileChooser.setParent(window);
            window->load();
            return window;
        });
        splash->start();
    });
    if (!login.start(instance))
        return 0;
    return app.exec();
}
