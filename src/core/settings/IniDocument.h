// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QHash>
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
// - the file is GBK text (code page 936); lines may end in CR LF or LF.
// Every line keeps its bytes and its line end unless its own value is set,
// so changing one value leaves the rest of the file byte for byte as it was.
//
// The text is decoded and split into sections and keys once, when it is
// read; finding a value or setting one then costs no scan of the file, so
// reading, changing every key of a settings file and writing it back take
// one pass over the file.
class IniDocument
{
public:
    // The limits of the program's reader and writer: a value read back holds
    // at most this many bytes of GBK, a value written at most this many
    // characters.
    static constexpr int MaxReadBytes = 127;
    static constexpr int MaxWriteCharacters = 128;
    // The largest file load() accepts, far beyond any settings or skin file
    // (a user's settings file holds about 1 KB); a larger one is damaged.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    // An empty document (an empty or missing file).
    IniDocument();

    static IniDocument fromBytes(const QByteArray &bytes);

    // Reads a file. A missing file gives an empty document; a file that exists
    // but cannot be read, or is larger than MaxFileBytes, gives nullopt and
    // *error says why.
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

    // Whether the text is an INI text at all: it has at least one section
    // header and holds no NUL, no other control character than tab, CR and
    // LF, and no bytes that are not GBK. Random bytes, a file of zeros, an
    // empty file or plain text without a header are not.
    bool isIniText() const;

    // Whether value() gives back exactly what setValue() was given: GBK can
    // hold every character, it fits MaxReadBytes, it has no line break, no
    // NUL, no blanks at either end and no quotes around it.
    static bool readsBack(const QString &value);

private:
    struct Line
    {
        enum Kind { Blank, Header, Key };

        QByteArray text;     // the line's bytes without its line end
        QByteArray end;      // "\r\n", "\n" or "" (last line without a line end)
        Kind kind = Blank;
        QString name;        // section or key name, case-folded for matching
        bool hasValue = false;
        QString value;       // the text after "=", blanks at either end removed
        bool junk = false;   // holds bytes no INI text holds
    };

    struct Section
    {
        QList<Line> lines;              // the header line first, except in the part before any header
        QHash<QString, qsizetype> keys; // case-folded key name to its first line
    };

    static Line parseLine(const QByteArray &bytes, const QByteArray &end, QStringView text);
    // A section or key name as the index holds it: without blanks, case-folded.
    static QString lookupName(const QString &name);
    void appendLine(Line line);
    // The last line of the document, or nullptr when it is empty.
    Line *lastLine();
    // Inserts a key line into the section before index at, giving the line
    // before it a line end.
    void insertKey(Section &section, qsizetype at, const QByteArray &text);

    QList<Section> m_sections;               // [0] is the part before the first header
    QHash<QString, qsizetype> m_sectionIndex; // case-folded section name to its first section
};
