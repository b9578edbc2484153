// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ResultFile.h"

#include "core/platform/ProgramFolder.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool failed(const QFile &file, QString *error)
{
    if (error)
        *error = file.fileName() + QStringLiteral("：") + file.errorString();
    return false;
}

} // namespace

ResultFile::ResultFile(const QString &path)
    : m_path(path)
{
}

ResultFile ResultFile::of(const QString &userFolder, Language language)
{
    const QString name = language == Language::English ? QStringLiteral("\\Egrade.dat")
                                                       : QStringLiteral("\\Cgrade.dat");
    return ResultFile(ProgramFolder::resolve(userFolder, name));
}

qint64 ResultFile::recordCount(qint64 fileSize)
{
    // Exact in a double for any real file; nearbyint rounds halves to even.
    return qint64(std::nearbyint(double(fileSize) / GradeRecord::Size));
}

bool ResultFile::create(QString *error) const
{
    QFile file(m_path);
    // Append mode creates a missing file and never shortens an existing one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failed(file, error);
    file.close();
    return true;
}

std::optional<qint64> ResultFile::count(QString *error) const
{
    if (!QFile::exists(m_path))
        return 0;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed(file, error);
        return std::nullopt;
    }
    return recordCount(file.size());
}

std::optional<QList<GradeRecord>> ResultFile::read(qint64 first, qint64 count, QString *error) const
{
    QList<GradeRecord> records;
    if (!QFile::exists(m_path) || first < 1 || count < 1)
        return records;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed(file, error);
        return std::nullopt;
    }
    const qint64 total = recordCount(file.size());
    if (first > total)
        return records;
    const qint64 wanted = std::min(count, total - first + 1);
    if (!file.seek((first - 1) * GradeRecord::Size)) {
        failed(file, error);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(wanted * GradeRecord::Size);
    if (file.error() != QFileDevice::NoError) {
        failed(file, error);
        return std::nullopt;
    }
    records.reserve(wanted);
    for (qint64 at = 0; at < bytes.size(); at += GradeRecord::Size)
        records.append(GradeRecord::decode(QByteArrayView(bytes).sliced(at).first(
            std::min<qint64>(GradeRecord::Size, bytes.size() - at))));
    return records;
}

std::optional<QList<GradeRecord>> ResultFile::readAll(QString *error) const
{
    return read(1, std::numeric_limits<qint64>::max(), error);
}

std::optional<qint64> ResultFile::append(const GradeRecord &record, QString *error) const
{
    // Unbuffered: the record reaches the file in the write itself, so a full
    // disk shows here and not later in a flush nobody checks.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        failed(file, error);
        return std::nullopt;
    }
    const qint64 oldSize = file.size();
    const qint64 number = recordCount(oldSize) + 1;
    const qint64 offset = (number - 1) * GradeRecord::Size;

    // The fragment of a cut-off record written over, to put back on failure.
    QByteArray overwritten;
    if (offset < oldSize && file.seek(offset))
        overwritten = file.read(oldSize - offset);

    const QByteArray bytes = record.encode();
    // resize() fills the gap behind a short file with zero bytes.
    const bool written = (offset <= oldSize || file.resize(offset)) && file.seek(offset)
        && file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        failed(file, error);
        // A half-written record would shift every later count by one.
        file.resize(oldSize);
        if (!overwritten.isEmpty() && file.seek(offset))
            file.write(overwritten);
        return std::nullopt;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        failed(file, error);
        return std::nullopt;
    }
    return number;
}
