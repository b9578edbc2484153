// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Comma-separated text as RFC 4180 writes it, for the exports that
// spreadsheets open: UTF-8 with a byte order mark (so that a spreadsheet
// reads Chinese as UTF-8), CRLF after every row.
namespace CsvText {

// A field as it goes into a row: quoted, with inner quotes doubled, when it
// holds a comma, a quote, CR or LF; as it is otherwise.
QString field(QStringView text);

// The whole document: header row first, then the rows.
QByteArray document(const QStringList &header, const QList<QStringList> &rows);

} // namespace CsvText
