// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/SplashWindow.h"

#include "gui/app/AppPictures.h"
#include "gui/app/FramelessWindow.h"
#include "gui/app/MainWindow.h"

#include <QCoreApplication>
#include <QPainter>

SplashWindow::SplashWindow(std::function<MainWindow *()> loadMainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_loadMainWindow(std::move(loadMainWindow))
{
    setObjectName(QStringLiteral("FrmLogo"));
    setWindowTitle(QStringLiteral("Qintara4.8"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_picture = AppPictures::load(QStringLiteral("splash"));
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::tick);
}

void SplashWindow::start()
{
    FramelessWindow::centreOnScreen(this);
    show();
    // Let the window system map the window so that the picture is on screen
    // before the long load starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
    // The timer ticks only once control is back in the event loop, after the
    // main window's load has returned.
    m_timer.start();
    m_mainWindow = m_loadMainWindow();
}

void SplashWindow::tick()
{
    if (!m_mainWindow || !m_mainWindow->isReady())
        return;
    m_timer.stop();
    m_mainWindow->show();
    m_mainWindow->activateWindow();
    close();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}
