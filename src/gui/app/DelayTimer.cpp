// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/DelayTimer.h"

#include <QCoreApplication>

DelayTimer::DelayTimer(QObject *parent) : QObject(parent)
{
    m_tmrDelay.setObjectName(QStringLiteral("tmrDelay"));
    m_tmrDelay.setInterval(50);
    connect(&m_tmrDelay, &QTimer::timeout, this, [this] { ++m_tickCount; });
}

void DelayTimer::Delay(qint16 ticks)
{
    m_tmrDelay.start();
    while (m_tickCount < ticks)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    m_tickCount = 0;
    m_tmrDelay.stop();
}
