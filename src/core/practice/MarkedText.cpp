// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/MarkedText.h"

namespace {

// The UTF-16 position after the character at i; a lone surrogate is a
// character of its own.
qsizetype nextCharacter(QStringView text, qsizetype i)
{
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return i + 2;
    return i + 1;
}

} // namespace

MarkedText::MarkedText(const QString &text)
    : m_text(text)
{
    m_offsets.clear();
    for (qsizetype i = 0; i < m_text.size(); i = nextCharacter(m_text, i))
        m_offsets.append(i);
    m_offsets.append(m_text.size());
    m_marks.fill(Mark::Plain, size());
}

QString MarkedText::mid(qsizetype position, qsizetype n) const
{
    if (position < 0 || position >= size())
        return QString();
    const qsizetype end = n < 0 ? size() : qMin(size(), position + n);
    const qsizetype start = m_offsets[position];
    return m_text.mid(start, m_offsets[end] - start);
}

void MarkedText::setMarks(qsizetype position, qsizetype n, Mark mark)
{
    const qsizetype end = qMin(size(), position + n);
    for (qsizetype i = qMax<qsizetype>(position, 0); i < end; ++i)
        m_marks[i] = mark;
}

QList<MarkedText::Run> MarkedText::runs() const
{
    QList<Run> runs;
    qsizetype first = 0;
    for (qsizetype i = 1; i <= size(); ++i) {
        if (i < size() && m_marks[i] == m_marks[first])
            continue;
        runs.append({m_offsets[first], m_offsets[i] - m_offsets[first], m_marks[first]});
        first = i;
    }
    return runs;
}

qsizetype MarkedText::utf16Position(qsizetype position) const
{
    if (position <= 0)
        return 0;
    return position >= size() ? m_text.size() : m_offsets[position];
}

qsizetype MarkedText::characterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i = nextCharacter(text, i))
        ++count;
    return count;
}
