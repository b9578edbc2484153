// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/users/FirstAccountLogin.h"
#include "gui/app/AppLook.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/SplashWindow.h"
#include "gui/app/WindowAccessibility.h"
#include "gui/platform/DesktopUrlOpener.h"
#include "gui/platform/MessageBoxPrompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppLook(app);
    registerWindowAccessibility();

    const ProgramFolder programFolder;
    MessageBoxPrompter prompter;
    std::optional<UserSession> session = loginFirstAccount(programFolder, prompter);
    if (!session)
        return 1;

    DesktopUrlOpener urlOpener;
    HelpWindow help;
    auto *splash = new SplashWindow([&] {
        auto *window = new MainWindow(*session, programFolder, {prompter, urlOpener, help});
        prompter.setParent(window);
        window->load();
        return window;
    });
    splash->start();
    return app.exec();
}
