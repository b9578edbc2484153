// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/RisingOffsets.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The lines of one code file, kept exactly as read in one block of UTF-8
// (two thirds of UTF-16's room for code lines) with the start of each line
// (tens of thousands of lines cost about a byte apiece), with an index that finds the first line containing a text of
// textLength characters as fast as a hash lookup instead of a scan of every
// line.
//
// Only texts whose first and last characters are double-byte are ever looked
// up, so the index holds every run of textLength characters of every line
// that begins and ends with a double-byte character, once, with the first
// line holding it. A text occurs in a line exactly when it is one of that
// line's runs, so the index gives the same first line as a scan from the top
// would, whatever the line's layout (text and code, spaces, several words).
class CodeList
{
public:
    CodeList() = default;
    // text: the whole file as decoded (surrogates only in pairs), its lines
    // as TextCodec::lineSpans finds them.
    CodeList(const QString &text, qsizetype textLength);

    qsizetype lineCount() const { return m_starts.empty() ? 0 : m_starts.size() - 1; }
    QString line(qsizetype number) const;
    bool isEmpty() const { return lineCount() == 0; }
    // Every line as a string of its own, for callers that compare or keep
    // whole lists.
    QStringList lines() const;
    // The block the lines are kept in: a list read anew never shares it with
    // one still held.
    const QByteArray &block() const { return m_text; }

    // The 0-based number of the first line that contains text anywhere, or
    // -1 when none does. text must be textLength characters long and begin
    // and end with a double-byte character; other texts are not indexed and
    // give -1.
    qsizetype firstLineContaining(QStringView text) const;

private:
    static quint32 hashOf(QStringView run);
    // Runs of a hash are in the bucket its high bits pick.
    std::size_t bucketOf(quint32 hash) const { return std::size_t((quint64(hash) * (m_buckets.size() - 1)) >> 32); }

    QByteArray m_text;
    qsizetype m_textLength = 0;
    // Where each line starts, then one past the end of the last line's line
    // feed (or where it would be); empty for a list with no lines.
    RisingOffsets m_starts;
    // The first line of each run, the runs by bucket and within a bucket by
    // hash, then by line; bucket b is [m_buckets[b], m_buckets[b + 1]). Only
    // the line is kept: runs of a bucket are told apart by looking in their
    // lines, which the few runs of a bucket make cheap.
    std::vector<quint32> m_runLines;
    std::vector<quint32> m_buckets;
};
