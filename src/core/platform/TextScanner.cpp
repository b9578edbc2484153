// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextScanner.h"

std::optional<QStringView> TextScanner::digits(qsizetype least, qsizetype most)
{
    qsizetype end = m_at;
    while (end < m_text.size() && end - m_at < most && m_text.at(end) >= u'0' && m_text.at(end) <= u'9')
        ++end;
    if (end - m_at < least)
        return std::nullopt;
    const QStringView run = m_text.sliced(m_at, end - m_at);
    m_at = end;
    return run;
}

bool TextScanner::take(QChar c)
{
    if (next() != c || atEnd())
        return false;
    ++m_at;
    return true;
}

QChar TextScanner::next() const
{
    return atEnd() ? QChar() : m_text.at(m_at);
}
