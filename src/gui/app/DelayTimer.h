// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>
#include <QTimer>

// The delay timer `tmrDelay` (50 ms, off until a delay runs) and `Delay`:
// wait a number of ticks while other events run. Nested delays share the one
// tick count, as they always have: the inner one ends the outer one's count.
class DelayTimer : public QObject
{
    Q_OBJECT

public:
    explicit DelayTimer(QObject *parent = nullptr);

    // Switches the timer on, processes events until the tick count reaches
    // ticks (16-bit compare), then resets the count and switches the timer off.
    void Delay(qint16 ticks);

    const QTimer &tmrDelay() const { return m_tmrDelay; }

private:
    QTimer m_tmrDelay;
    qint16 m_tickCount = 0;
};
