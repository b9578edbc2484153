// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/TextCodec.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The lines of one code file, kept exactly as read in one block of text with
// the place of each line (tens of thousands of lines cost a fraction of a
// string apiece), with an index that finds
// the first line containing a text of textLength characters as fast as a
// hash lookup instead of a scan of every line.
//
// Only texts whose first and last characters are double-byte are ever looked
// up, so the index holds every run of textLength characters of every line
// that begins and ends with a double-byte character, mapped to the first line
// holding it. A text occurs in a line exactly when it is one of that line's
// runs, so the index gives the same first line as a scan from the top would,
// whatever the line's layout (text and code, spaces, several words).
class CodeList
{
public:
    CodeList() = default;
    // text: the whole file, its lines as TextCodec::lineSpans finds them.
    CodeList(QString text, qsizetype textLength);

    qsizetype lineCount() const { return m_lines.size(); }
    QStringView line(qsizetype number) const
    {
        const TextCodec::LineSpan span = m_lines.at(number);
        return QStringView(m_text).mid(span.start, span.length);
    }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // Every line as a string of its own, for callers that compare or keep
    // whole lists.
    QStringList lines() const;
    // The block the lines are views into: a list read anew never shares it
    // with one still held.
    const QString &text() const { return m_text; }

    // The 0-based number of the first line that contains text anywhere, or
    // -1 when none does. text must be textLength characters long and begin
    // and end with a double-byte character; other texts are not indexed and
    // give -1.
    qsizetype firstLineContaining(QStringView text) const;

private:
    // A run of characters as a key of the index. Keys of a few characters
    // hash far faster with a short multiply-and-mix than with Qt's general
    // string hash, which took most of the time of loading and of lookups.
    struct Run
    {
        QStringView text;
        friend bool operator==(const Run &, const Run &) = default;
        // FNV-1a over the UTF-16 units, then the high bits folded into the
        // low ones, which pick the bucket.
        friend size_t qHash(const Run &run, size_t seed)
        {
            quint64 hash = 0xcbf29ce484222325ULL ^ seed;
            for (const QChar c : run.text)
                hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
            return size_t(hash ^ (hash >> 29));
        }
    };

    QString m_text;
    QList<TextCodec::LineSpan> m_lines;
    // Keys are views into m_text, which is never changed after the index is
    // built, so they stay valid as long as the list.
    QHash<Run, qsizetype> m_firstLine;
};
