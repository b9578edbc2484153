// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QtEndian>

#include <array>
#include <memory>
#include <optional>
#include <vector>

// A table of the built-in input method: entries of a code, a text and a
// weight, as tools/imetables/make_ime.py writes them (UTF-8 lines
// "code<TAB>text<TAB>weight" after one header line, sorted by code, heaviest
// first within a code). The file stays mapped (or, made from bytes, in memory)
// as one block; an index of line offsets makes a code a binary search away.
class QFile;

class ImeTable
{
public:
    struct Entry
    {
        QByteArrayView code;
        QString text;
        quint32 weight = 0;
    };

    ImeTable() = default;

    // The table in bytes; nullopt, with *error set, when they are not one.
    static std::optional<ImeTable> fromBytes(QByteArray bytes, QString *error = nullptr);
    // The table in a file, mapped and kept open as long as the table or a
    // copy of it lives; read into memory where the file cannot be mapped.
    static std::optional<ImeTable> load(const QString &path, QString *error = nullptr);

    qsizetype size() const { return qsizetype(m_lines.size()); }
    Entry entry(qsizetype index) const;
    QByteArrayView codeAt(qsizetype index) const;
    quint32 weightAt(qsizetype index) const { return m_lines[std::size_t(index)].weightValue(); }

    // The entries whose code is exactly code: [first, last), heaviest first.
    std::pair<qsizetype, qsizetype> exact(QByteArrayView code) const;
    // The entries whose code starts with prefix: [first, last), by code.
    std::pair<qsizetype, qsizetype> startingWith(QByteArrayView prefix) const;

    // The entries whose code starts with prefix and is longer than it, at
    // most limit of them, heaviest first (equal weights in table order).
    // Short prefixes begin thousands of codes: their answers are kept.
    std::vector<qsizetype> heaviestLonger(QByteArrayView prefix, qsizetype limit) const;
    // Sorts lines heaviest first and keeps at most limit of them.
    void keepHeaviest(std::vector<qsizetype> &lines, qsizetype limit) const;

    // The shortest code of a text (the heaviest of equally short ones), ""
    // when the table has none. The first call builds a reverse index.
    QByteArray shortestCode(const QString &text) const;
    // The longest code of a text, "" when it has none.
    QByteArray longestCode(const QString &text) const;

private:
    // Nine bytes an entry instead of twelve: the fields are unaligned, and
    // the text's length is found again from the tab after it, which only
    // look-ups by text and whole entries need.
    struct Line
    {
        std::array<uchar, 4> offset; // of the code
        std::array<uchar, 4> weight; // cut at 2^32 - 1
        quint8 codeLength;

        quint32 offsetValue() const { return qFromUnaligned<quint32>(offset.data()); }
        quint32 weightValue() const { return qFromUnaligned<quint32>(weight.data()); }
    };
    static_assert(sizeof(Line) == 9);

    QByteArrayView codeOf(const Line &line) const;
    QByteArrayView textBytes(qsizetype index) const;
    // The entries of a text: [first, last) in m_byText.
    std::pair<qsizetype, qsizetype> entriesOf(const QString &text) const;

    // Declared before the bytes that may be a view of its mapping.
    std::shared_ptr<QFile> m_file;
    QByteArray m_bytes;
    std::vector<Line> m_lines;
    // Line indexes sorted by text, built on the first look-up by text.
    mutable std::vector<quint32> m_byText;
    // heaviestLonger of the prefixes with many entries, as asked so far.
    mutable QHash<QByteArray, std::vector<qsizetype>> m_heaviestLonger;
};
