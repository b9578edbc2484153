// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/CsvText.h"

namespace CsvText {

QString field(QStringView text)
{
    const bool quoted = text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!quoted)
        return text.toString();
    QString doubled = text.toString();
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

QByteArray document(const QStringList &header, const QList<QStringList> &rows)
{
    QString text;
    const auto appendRow = [&text](const QStringList &row) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += u',';
            text += field(row[i]);
        }
        text += QStringLiteral("\r\n");
    };
    appendRow(header);
    for (const QStringList &row : rows)
        appendRow(row);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace CsvText
