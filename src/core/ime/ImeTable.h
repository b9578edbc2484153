// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/RisingOffsets.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// A table of the built-in input method: entries of a code, a text and a
// weight, as tools/imetables/make_ime.py writes them (UTF-8 lines
// "code<TAB>text<TAB>weight" after one header line, sorted by code, heaviest
// first within a code). Read once into compact memory: the codes one after
// another, the texts one after another, and per entry only the lengths of
// its code and text (see RisingOffsets) and its weight, so a code is a binary
// search away and the file is not kept.
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
    // The table in a file.
    static std::optional<ImeTable> load(const QString &path, QString *error = nullptr);

    qsizetype size() const { return qsizetype(m_weights.size()); }
    Entry entry(qsizetype index) const;
    QByteArrayView codeAt(qsizetype index) const;
    quint32 weightAt(qsizetype index) const { return m_weights[std::size_t(index)]; }

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
    static std::optional<ImeTable> parse(QByteArrayView bytes, QString *error);
    QStringView textAt(qsizetype index) const;
    // The entries of a text: [first, last) in m_byText.
    std::pair<qsizetype, qsizetype> entriesOf(const QString &text) const;

    QByteArray m_codes; // every entry's code, in table order
    QString m_texts;    // every entry's text, in table order
    // Where each entry's code and text start, then where the last ones end.
    RisingOffsets m_codeStarts;
    RisingOffsets m_textStarts;
    std::vector<quint32> m_weights;
    // Line indexes sorted by text, built on the first look-up by text.
    mutable std::vector<quint32> m_byText;
    // heaviestLonger of the prefixes with many entries, as asked so far.
    mutable QHash<QByteArray, std::vector<qsizetype>> m_heaviestLonger;
};
