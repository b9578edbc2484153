// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/KeystrokeHistory.h"

#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <functional>

class KeystrokeStore;

// The keystroke history of a user, in "history.sqlite" in the user's folder
// (SQLite in WAL mode, synchronous=NORMAL).
//
// record() only puts the key in a queue; a worker thread with its own
// connection writes the queue in one transaction once a second, so a killed
// program loses at most the last second of keys. A write that fails (a full
// disk) is logged once and its keys are dropped. On opening, detail older
// than KeystrokeStore::DetailDays days is rolled up into daily totals and
// deleted. A file that is not a sound database is renamed aside to
// "history.sqlite.damaged-<yyyyMMdd-hhmmss>" with a warning in the log, and a
// fresh one is made; practice never waits or asks for any of it.
class SqliteKeystrokeHistory : public KeystrokeHistory
{
public:
    // folder: the user's folder. now: ms since the epoch, for the roll-up
    // day and the name of a file set aside.
    explicit SqliteKeystrokeHistory(const QString &folder, std::function<qint64()> now = {});
    ~SqliteKeystrokeHistory() override;

    SqliteKeystrokeHistory(const SqliteKeystrokeHistory &) = delete;
    SqliteKeystrokeHistory &operator=(const SqliteKeystrokeHistory &) = delete;

    static QString fileName() { return QStringLiteral("history.sqlite"); }
    QString path() const { return m_path; }

    void record(const Keystroke &k) override;
    QList<Keystroke> detail(qint64 sinceMs) override;
    QList<DailyTotals> dailyTotals() override;

    // Writes the queue now and returns when it is written (or dropped).
    void flush();

private:
    QList<Keystroke> takePending();

    QString m_path;
    QMutex m_mutex;
    QList<Keystroke> m_pending; // guarded by m_mutex
    QThread m_thread;
    KeystrokeStore *m_store;
};
