// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/adaptive/KeystrokeStore.h"

#include "core/adaptive/KeystrokeRollUp.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariant>
#include <QtDebug>

#include <limits>

namespace {

const char *const schema[] = {
    "CREATE TABLE IF NOT EXISTS keystrokes ("
    " time_ms INTEGER NOT NULL, target TEXT NOT NULL, typed TEXT NOT NULL, correct INTEGER NOT NULL,"
    " interval_ms INTEGER NOT NULL, kind TEXT NOT NULL, code TEXT NOT NULL)",
    "CREATE INDEX IF NOT EXISTS keystrokes_by_time ON keystrokes (time_ms)",
    "CREATE TABLE IF NOT EXISTS daily_totals ("
    " day TEXT NOT NULL, kind TEXT NOT NULL, judged INTEGER NOT NULL, wrong INTEGER NOT NULL,"
    " active_ms INTEGER NOT NULL, committed INTEGER NOT NULL, code_letters INTEGER NOT NULL,"
    " PRIMARY KEY (day, kind))",
};

// The driver binds a null QString as NULL; the columns want text.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString errorOf(const QSqlQuery &query)
{
    return query.lastError().text();
}

} // namespace

KeystrokeStore::KeystrokeStore(const QString &path, std::function<QList<Keystroke>()> takePending)
    : m_path(path),
      m_connection(QStringLiteral("keystroke-history-%1").arg(quintptr(this), 0, 16)),
      m_takePending(std::move(takePending))
{
}

KeystrokeStore::~KeystrokeStore()
{
    dropConnection();
}

void KeystrokeStore::open(qint64 nowMs)
{
    QString error;
    bool opened = tryOpen(&error);
    // Only a file that is there can be damaged; a folder that cannot take
    // one is not helped by a fresh start.
    if (!opened && QFile::exists(m_path)) {
        setAside(error, nowMs);
        opened = tryOpen(&error);
    }
    if (!opened) {
        qWarning().noquote() << QStringLiteral("keystroke history %1 cannot be opened (%2); keys are not kept")
                                    .arg(QFileInfo(m_path).absoluteFilePath(), error);
        dropConnection();
    }
    m_usable = opened;
    if (m_usable) {
        const QDate firstKept = KeystrokeRollUp::dayOf(nowMs).addDays(-DetailDays);
        rollUp(QDateTime(firstKept, QTime(0, 0)).toMSecsSinceEpoch());
    }
    m_timer = new QTimer(this);
    m_timer->setInterval(WriteIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &KeystrokeStore::writePending);
    m_timer->start();
}

bool KeystrokeStore::tryOpen(QString *error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    // SQLite reads a file lazily: random bytes only show up here.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()
        || query.value(0).toString() != u"ok") {
        *error = query.lastError().isValid() ? errorOf(query) : query.value(0).toString();
        query = QSqlQuery();
        db = QSqlDatabase();
        dropConnection();
        return false;
    }
    const QStringList setup{QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL")};
    for (const QString &statement : setup) {
        if (!query.exec(statement)) {
            *error = errorOf(query);
            query = QSqlQuery();
            db = QSqlDatabase();
            dropConnection();
            return false;
        }
    }
    for (const char *statement : schema) {
        if (!query.exec(QString::fromLatin1(statement))) {
            *error = errorOf(query);
            query = QSqlQuery();
            db = QSqlDatabase();
            dropConnection();
            return false;
        }
    }
    return true;
}

void KeystrokeStore::setAside(const QString &reason, qint64 nowMs)
{
    const QString stamp = QDateTime::fromMSecsSinceEpoch(nowMs).toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = m_path + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(n);
    QFile::rename(m_path, aside);
    // The log of the damaged file must not be played into the fresh one.
    if (QFile::exists(m_path + QStringLiteral("-wal")))
        QFile::rename(m_path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    qWarning().noquote() << QStringLiteral("keystroke history %1 was damaged (%2); set aside as %3; starting afresh")
                                .arg(QFileInfo(m_path).absoluteFilePath(), reason, QFileInfo(aside).fileName());
}

void KeystrokeStore::rollUp(qint64 cutoffMs)
{
    const QList<Keystroke> old = readDetail(QStringLiteral("time_ms < ?"), cutoffMs);
    if (old.isEmpty())
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    db.transaction();
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO daily_totals (day, kind, judged, wrong, active_ms, committed, code_letters)"
        " VALUES (?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT (day, kind) DO UPDATE SET judged = judged + excluded.judged, wrong = wrong + excluded.wrong,"
        " active_ms = active_ms + excluded.active_ms, committed = committed + excluded.committed,"
        " code_letters = code_letters + excluded.code_letters"));
    bool ok = true;
    for (const DailyTotals &totals : KeystrokeRollUp::dailyTotals(old)) {
        query.addBindValue(totals.day.toString(Qt::ISODate));
        query.addBindValue(exerciseKindName(totals.kind));
        query.addBindValue(totals.judged);
        query.addBindValue(totals.wrong);
        query.addBindValue(totals.activeMs);
        query.addBindValue(totals.committed);
        query.addBindValue(totals.codeLetters);
        ok = ok && query.exec();
    }
    QSqlQuery remove(db);
    remove.prepare(QStringLiteral("DELETE FROM keystrokes WHERE time_ms < ?"));
    remove.addBindValue(cutoffMs);
    ok = ok && remove.exec();
    if (ok && db.commit())
        return;
    // The detail stays; the next opening tries again.
    qWarning().noquote() << QStringLiteral("keystroke history %1 could not roll up old keys (%2)")
                                .arg(m_path, query.lastError().isValid() ? errorOf(query) : errorOf(remove));
    db.rollback();
}

void KeystrokeStore::writePending()
{
    const QList<Keystroke> keys = m_takePending();
    if (keys.isEmpty() || !m_usable)
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    bool ok = db.transaction();
    QSqlQuery query(db);
    ok = ok && query.prepare(QStringLiteral(
             "INSERT INTO keystrokes (time_ms, target, typed, correct, interval_ms, kind, code)"
             " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (qsizetype i = 0; ok && i < keys.size(); ++i) {
        const Keystroke &key = keys[i];
        query.addBindValue(key.timeMs);
        query.addBindValue(notNull(key.target));
        query.addBindValue(notNull(key.typed));
        query.addBindValue(key.correct ? 1 : 0);
        query.addBindValue(key.intervalMs);
        query.addBindValue(exerciseKindName(key.kind));
        query.addBindValue(notNull(key.code));
        ok = query.exec();
    }
    ok = ok && db.commit();
    if (ok) {
        m_writeFailureLogged = false;
        return;
    }
    const QString error = query.lastError().isValid() ? errorOf(query) : db.lastError().text();
    db.rollback();
    // Once per run of failures: a full disk would otherwise log every second.
    if (!m_writeFailureLogged) {
        qWarning().noquote() << QStringLiteral("keystroke history %1 could not be written (%2); %3 keys dropped")
                                    .arg(m_path, error)
                                    .arg(keys.size());
        m_writeFailureLogged = true;
    }
}

QList<Keystroke> KeystrokeStore::readDetail(const QString &where, qint64 bound)
{
    QList<Keystroke> keys;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT time_ms, target, typed, correct, interval_ms, kind, code FROM keystrokes"
                                 " WHERE %1 ORDER BY time_ms, rowid")
                      .arg(where));
    query.addBindValue(bound);
    if (!query.exec())
        return keys;
    while (query.next()) {
        // A kind this version does not know (a newer one wrote it) is left out.
        const std::optional<ExerciseKind> kind = exerciseKindNamed(query.value(5).toString());
        if (!kind)
            continue;
        keys.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                     query.value(3).toInt() != 0, query.value(4).toInt(), *kind, query.value(6).toString()});
    }
    return keys;
}

QList<Keystroke> KeystrokeStore::detail(qint64 sinceMs)
{
    writePending();
    return m_usable ? readDetail(QStringLiteral("time_ms >= ?"), sinceMs) : QList<Keystroke>();
}

QList<DailyTotals> KeystrokeStore::dailyTotals()
{
    writePending();
    if (!m_usable)
        return {};
    QList<DailyTotals> rolledUp;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral(
            "SELECT day, kind, judged, wrong, active_ms, committed, code_letters FROM daily_totals"))) {
        while (query.next()) {
            const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
            const std::optional<ExerciseKind> kind = exerciseKindNamed(query.value(1).toString());
            if (!day.isValid() || !kind)
                continue;
            rolledUp.append({day, *kind, query.value(2).toInt(), query.value(3).toInt(),
                             query.value(4).toLongLong(), query.value(5).toInt(), query.value(6).toInt()});
        }
    }
    const QList<Keystroke> recent = readDetail(QStringLiteral("time_ms >= ?"), std::numeric_limits<qint64>::min());
    return KeystrokeRollUp::merged(rolledUp, KeystrokeRollUp::dailyTotals(recent));
}

void KeystrokeStore::close()
{
    if (m_timer)
        m_timer->stop();
    writePending();
    m_usable = false;
    dropConnection();
}

void KeystrokeStore::dropConnection()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}
