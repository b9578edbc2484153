// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/CodeList.h"

#include "core/platform/AnsiCode.h"
#include "core/wubi/Characters.h"

CodeList::CodeList(QString text, qsizetype textLength)
    : m_text(std::move(text))
    , m_lines(TextCodec::lineSpans(m_text))
{
    m_firstLine.reserve(m_lines.size());
    // Going from the last line to the first lets an earlier line overwrite
    // what a later one put in, so each run ends up with its first line.
    for (qsizetype number = m_lines.size() - 1; number >= 0; --number) {
        const QStringView line = this->line(number);
        for (qsizetype start = 0; start < line.size(); ++start) {
            if (!AnsiCode::isDoubleByte(line.at(start)))
                continue;
            const qsizetype end = start + Characters::offsetAfter(line.mid(start), textLength);
            // A double-byte character is a single unit, never half a pair, so
            // the unit before the end is the run's whole last character.
            if (Characters::count(line.mid(start, end - start)) == textLength
                && AnsiCode::isDoubleByte(line.at(end - 1)))
                m_firstLine.insert(Run{line.mid(start, end - start)}, number);
        }
    }
}

QStringList CodeList::lines() const
{
    QStringList lines;
    lines.reserve(m_lines.size());
    for (qsizetype number = 0; number < m_lines.size(); ++number)
        lines.append(line(number).toString());
    return lines;
}

qsizetype CodeList::firstLineContaining(QStringView text) const
{
    return m_firstLine.value(Run{text}, -1);
}

