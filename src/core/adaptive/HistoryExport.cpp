// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/HistoryExport.h"

#include "core/adaptive/HistoryCsv.h"
#include "core/results/ResultCsv.h"

#include <QDir>
#include <QSaveFile>

namespace {

bool save(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QDir::toNativeSeparators(path) + QStringLiteral("：") + file.errorString();
    return false;
}

} // namespace

QString HistoryExport::siblingPath(const QString &path, const QString &tag)
{
    const QString suffix = QStringLiteral(".csv");
    if (path.endsWith(suffix, Qt::CaseInsensitive))
        return path.chopped(suffix.size()) + u'-' + tag + path.right(suffix.size());
    return path + u'-' + tag + suffix;
}

bool HistoryExport::write(const QString &path, const QList<Keystroke> &detail, const QList<DailyTotals> &totals,
                          const Results &results, QString *error)
{
    return save(path, HistoryCsv::detail(detail), error)
           && save(siblingPath(path, QStringLiteral("daily")), HistoryCsv::dailyTotals(totals), error)
           && save(siblingPath(path, QStringLiteral("english-results")), ResultCsv::write(results.english), error)
           && save(siblingPath(path, QStringLiteral("chinese-results")), ResultCsv::write(results.chinese), error);
}
