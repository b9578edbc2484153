// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A source text of an article view with the mark of every character: plain
// until typed, then right or wrong after the key that typed it. Positions
// and counts are in characters (Unicode code points), so a character outside
// the Basic Multilingual Plane is one character as it is one key; the runs a
// view paints are in the UTF-16 positions of text(), as QTextDocument counts.
class MarkedText
{
public:
    enum class Mark { Plain, Right, Wrong };

    // A stretch of equally marked characters, in UTF-16 positions of text().
    struct Run
    {
        qsizetype start = 0;
        qsizetype length = 0;
        Mark mark = Mark::Plain;

        bool operator==(const Run &) const = default;
    };

    MarkedText() = default;
    // Every character plain.
    explicit MarkedText(const QString &text);

    QString text() const { return m_text; }
    // The number of characters.
    qsizetype size() const { return m_offsets.size() - 1; }
    bool isEmpty() const { return size() == 0; }

    // Up to n characters from position on; "" past the end.
    QString mid(qsizetype position, qsizetype n = -1) const;
    // The character at position, or "" past the end.
    QString at(qsizetype position) const { return mid(position, 1); }

    Mark mark(qsizetype position) const { return m_marks.value(position, Mark::Plain); }
    // Marks n characters from position on; the part past the end is ignored.
    void setMarks(qsizetype position, qsizetype n, Mark mark);

    // Consecutive characters of one mark, in order, covering the whole text;
    // none for an empty text.
    QList<Run> runs() const;

    // The UTF-16 position of a character position; positions past the end
    // give the length of text().
    qsizetype utf16Position(qsizetype position) const;

    // The number of characters of a text, as typed keys count them.
    static qsizetype characterCount(QStringView text);

private:
    QString m_text;
    QList<qsizetype> m_offsets{0}; // UTF-16 position of each character, and the end
    QList<Mark> m_marks;
};
