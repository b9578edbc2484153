// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

class MainWindow;

// The splash window `FrmLogo`. Shown, it paints its picture at once and then
// loads the main window, whose load runs while the splash stays on screen.
// Its 100 ms timer waits for the main window's ready flag, then the splash
// closes, shows the main window and releases itself.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    // loadMainWindow creates the main window and runs its load.
    explicit SplashWindow(std::function<MainWindow *()> loadMainWindow);

    // Shows the splash and loads the main window.
    void start();

    MainWindow *mainWindow() const { return m_mainWindow; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tick();

    std::function<MainWindow *()> m_loadMainWindow;
    MainWindow *m_mainWindow = nullptr;
    QPixmap m_picture;
    QTimer m_timer;
};
