// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// An INI file in memory, read and changed the way the Windows private-profile
// functions do it, so that files written on Windows and here stay readable by
// both:
// - lines "[section]" open a section; other non-blank lines are keys, with
//   "name=value" or just "name" (a key without a value); lines before the
//   first section belong to no section and are kept;
// - section and key names match without regard to case; spaces and tabs
//   around a name and around a value are ignored;
// - when a section or a key occurs twice, the first one counts;
// - the file is GBK text; lines may end in CR LF or LF.
// Every line keeps its bytes and its line end unless its own value is set,
// so changing one value leaves the rest of the file byte for byte as it was.
class IniDocument
{
public:
    // The limits of the program's reader and writer: a value read back holds
    // at most this many bytes of GBK, a value written at most this many
    // characters.
    static constexpr int MaxReadBytes = 127;
    static constexpr int MaxWriteCharacters = 128;

    // An empty document (an empty or missing file).
    IniDocument() = default;

    static IniDocument fromBytes(const QByteArray &bytes);

    // Reads a file. A missing file gives an empty document; a file that exists
    // but cannot be read gives nullopt and *error says why.
    static std::optional<IniDocument> load(const QString &path, QString *error = nullptr);

    QByteArray toBytes() const;

    // Replaces the file atomically: it is either the complete new text or left
    // as it was. Returns false and sets *error when that fails.
    bool save(const QString &path, QString *error = nullptr) const;

    // The value of the key, "" when the section or key is missing or the key
    // has no "=". A pair of matching quotes around the value is removed; a
    // value longer than MaxReadBytes bytes of GBK is cut there (a character
    // whose second byte falls beyond the cut is dropped whole); spaces and
    // tabs at either end are removed.
    QString value(const QString &section, const QString &key) const;

    // Sets the value of the key, creating the section (at the end of the
    // document) or the key (after the section's last line) when missing. Only
    // the first MaxWriteCharacters characters of the value are stored, and
    // only up to a NUL, CR or LF: a line break would start new lines.
    void setValue(const QString &section, const QString &key, const QString &value);

    bool operator==(const IniDocument &) const = default;

private:
    struct Line
    {
        QByteArray text; // the line's bytes without its line end
        QByteArray end;  // "\r\n", "\n" or "" (last line without a line end)
        bool operator==(const Line &) const = default;
    };

    // Index of the header line of the first section with that name, or -1.
    qsizetype findSection(const QString &section) const;
    // Index one past the last line of the section whose header is at header.
    qsizetype sectionEnd(qsizetype header) const;
    // Index of the first line of the section that holds the key, or -1.
    qsizetype findKey(qsizetype header, const QString &key) const;
    // Inserts a line before index at, giving the line before it a line end.
    void insertLine(qsizetype at, const QByteArray &text);

    QList<Line> m_lines;
};
