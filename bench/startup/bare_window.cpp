// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// The yardstick for start-up: the barest Qt Widgets window (one label), with
// the same first-frame watch as the program.
#include "gui/platform/FirstFrame.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstFrame::watch(app);
    QLabel label(QStringLiteral("Qintara"));
    label.show();
    return app.exec();
}
