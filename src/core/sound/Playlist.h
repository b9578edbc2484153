// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// Music lists (".m3u"): one entry per line, written in GBK with CR LF line
// ends. Lists written by other programs may be UTF-8 and may hold comment
// lines ("#EXTM3U", "#EXTINF:...") and paths relative to the list.
namespace Playlist {

// Every non-empty line of a list file, in file order and as written: a line
// beginning "#" is an entry like any other here, so the playlist window
// shows and keeps it. Bytes that are valid UTF-8 (or begin with its byte
// order mark) are read as UTF-8, all others as GBK.
QStringList entriesOf(QByteArrayView bytes);

// The entries of the list file at path; nullopt when it cannot be read,
// with the reason in *error.
std::optional<QStringList> read(const QString &path, QString *error = nullptr);

// The bytes of a list file: every non-empty entry followed by CR LF, and one
// more CR LF after the last. GBK, unless an entry holds a character GBK
// cannot write: then UTF-8 with a byte order mark, so that every entry still
// names its file when read back.
QByteArray bytesOf(const QStringList &entries);

enum class WriteResult {
    Written,
    Refused, // the file or its folder may not be written (in use, read-only)
    Failed,  // any other failure, such as a full disk
};

// Writes the list file atomically; on failure the old file stays and
// *error says why.
WriteResult write(const QString &path, const QStringList &entries, QString *error = nullptr);

// The files a list plays, in order: comment lines ("#") are left out, and
// an entry that is not an absolute path names a file relative to
// listFolder, with "\" or "/" between folders and each folder and file
// matched without regard to case.
QStringList filesToPlay(const QStringList &entries, const QString &listFolder);

// Whether path names a list rather than a music file: it ends in ".m3u" or
// ".m3u8", in any case.
bool isList(const QString &path);

} // namespace Playlist
