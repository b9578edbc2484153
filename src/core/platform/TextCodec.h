// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of the program folder and the user folders are in the Chinese
// ANSI code page (GBK) with CR LF line ends. They are read as GB18030, a
// superset that reports bad bytes, and written as GBK.
namespace TextCodec {

// Bytes to text; a byte sequence that is not GB18030 becomes U+FFFD.
QString decode(QByteArrayView bytes);

// Text to GBK; a character GBK cannot hold becomes "?", except invisible
// format characters (soft hyphen, zero-width space), which are dropped.
QByteArray encode(QStringView text);

// The lines of a text whose lines end in CR LF or LF. A line end after the
// last line does not start another line; an empty text has no lines.
QStringList splitLines(QStringView text);

// Whole-file helpers. Reading fails only when the file cannot be opened or
// read; writing replaces the file atomically, turns every LF that is not
// already part of a CR LF into CR LF, and leaves the old file untouched when
// anything fails. On failure *error (when given) says why.
std::optional<QByteArray> readBytes(const QString &path, QString *error = nullptr);
std::optional<QString> readFile(const QString &path, QString *error = nullptr);
std::optional<QStringList> readLines(const QString &path, QString *error = nullptr);
bool writeFile(const QString &path, QStringView text, QString *error = nullptr);

// Writes bytes atomically: the file is complete or unchanged.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace TextCodec
