// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/adaptive/SqliteKeystrokeHistory.h"

#include "gui/adaptive/KeystrokeStore.h"

#include <QDateTime>
#include <QDir>
#include <QMutexLocker>

#include <utility>

SqliteKeystrokeHistory::SqliteKeystrokeHistory(const QString &folder, std::function<qint64()> now)
    : m_path(QDir(folder).filePath(fileName())),
      m_store(new KeystrokeStore(m_path, [this] { return takePending(); }))
{
    if (!now)
        now = [] { return QDateTime::currentMSecsSinceEpoch(); };
    m_thread.setObjectName(QStringLiteral("keystroke history"));
    m_store->moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
    const qint64 opened = now();
    QMetaObject::invokeMethod(m_store, [this, opened] { m_store->open(opened); }, Qt::BlockingQueuedConnection);
}

SqliteKeystrokeHistory::~SqliteKeystrokeHistory()
{
    // The connection belongs to the worker thread and is closed there; the
    // store, done with, comes back here to be deleted.
    QThread *here = QThread::currentThread();
    QMetaObject::invokeMethod(
        m_store,
        [this, here] {
            m_store->close();
            m_store->moveToThread(here);
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_store;
}

void SqliteKeystrokeHistory::record(const Keystroke &k)
{
    const QMutexLocker lock(&m_mutex);
    m_pending.append(k);
}

QList<Keystroke> SqliteKeystrokeHistory::takePending()
{
    const QMutexLocker lock(&m_mutex);
    return std::exchange(m_pending, {});
}

void SqliteKeystrokeHistory::flush()
{
    QMetaObject::invokeMethod(m_store, [this] { m_store->writePending(); }, Qt::BlockingQueuedConnection);
}

QList<Keystroke> SqliteKeystrokeHistory::detail(qint64 sinceMs)
{
    QList<Keystroke> keys;
    QMetaObject::invokeMethod(m_store, [this, &keys, sinceMs] { keys = m_store->detail(sinceMs); },
                              Qt::BlockingQueuedConnection);
    return keys;
}

QList<DailyTotals> SqliteKeystrokeHistory::dailyTotals()
{
    QList<DailyTotals> totals;
    QMetaObject::invokeMethod(m_store, [this, &totals] { totals = m_store->dailyTotals(); },
                              Qt::BlockingQueuedConnection);
    return totals;
}
