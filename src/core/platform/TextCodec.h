// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of the program folder and the user folders are in the Chinese
// ANSI code page with CR LF line ends: Windows code page 936 (GBK with the
// euro sign at byte 0x80, 0xFF as U+F8F5 and the user-defined areas as
// private-use characters). Reading and writing use that one table both ways,
// so whatever is written reads back as itself.
namespace TextCodec {

// Bytes to text; a byte sequence that code page 936 does not define (a lead
// byte without a valid trail byte, a lead byte at the end) becomes U+FFFD,
// except GB18030's four-byte sequences, which are read as GB18030 (the
// characters beyond GBK, which are written as "?").
QString decode(QByteArrayView bytes);

// Text to code page 936; a character it cannot hold becomes "?", except
// invisible format characters (soft hyphen, zero-width space), which are
// dropped.
QByteArray encode(QStringView text);

// The lines of a text whose lines end in CR LF or LF. A line end after the
// last line does not start another line; an empty text has no lines.
QStringList splitLines(QStringView text);

// The same lines as places in the text, for keeping a large file as one
// block instead of a string per line.
struct LineSpan
{
    quint32 start = 0;
    quint32 length = 0;
    bool operator==(const LineSpan &) const = default;
};
QList<LineSpan> lineSpans(QStringView text);

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
