// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/KeystrokeHistory.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QTimer;

// The keystroke history's database, worked by one thread: the one it was
// moved to. Opens (or sets aside and replaces) the file, rolls old detail up,
// and every WriteIntervalMs writes what takePending() hands over in one
// transaction. SqliteKeystrokeHistory runs it; nothing else should.
class KeystrokeStore : public QObject
{
    Q_OBJECT

public:
    static constexpr int WriteIntervalMs = 1000;
    // Detail of days before today - DetailDays is rolled up into daily totals.
    static constexpr int DetailDays = 60;

    // takePending: the keys recorded since it was last called; called on the
    // store's thread.
    KeystrokeStore(const QString &path, std::function<QList<Keystroke>()> takePending);
    ~KeystrokeStore() override;

    // Opens the database, sets a damaged one aside, rolls up the detail
    // before the cut-off day for nowMs and starts the write timer.
    void open(qint64 nowMs);
    // Writes the pending keys now.
    void writePending();
    QList<Keystroke> detail(qint64 sinceMs);
    QList<DailyTotals> dailyTotals();
    // Stops the timer and closes the connection; the pending keys are
    // written first.
    void close();

private:
    // Opens and checks the file; false with *error when it is not a usable
    // database.
    bool tryOpen(QString *error);
    void setAside(const QString &reason, qint64 nowMs);
    void rollUp(qint64 cutoffMs);
    QList<Keystroke> readDetail(const QString &where, qint64 bound);
    void dropConnection();

    QString m_path;
    QString m_connection;
    std::function<QList<Keystroke>()> m_takePending;
    QTimer *m_timer = nullptr;
    bool m_usable = false;
    bool m_writeFailureLogged = false;
};
