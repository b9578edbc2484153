// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/ResultChart.h"

#include <algorithm>

void ResultChart::show(Language language, qint64 recordCount)
{
    m_language = language;
    m_recordCount = std::max<qint64>(recordCount, 0);
    m_position = scrollMaximum();
}

bool ResultChart::isButtonEnabled(Language button) const
{
    return button != m_language.value_or(Language::Chinese);
}

qint64 ResultChart::scrollMaximum() const
{
    return std::max<qint64>(m_recordCount - SlotCount, 0);
}

void ResultChart::setScrollPosition(qint64 position)
{
    m_position = std::clamp<qint64>(position, 0, scrollMaximum());
}

int ResultChart::shownCount() const
{
    return int(std::clamp<qint64>(m_recordCount - m_position, 0, SlotCount));
}
