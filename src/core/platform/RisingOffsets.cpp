// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/RisingOffsets.h"

#include <algorithm>

RisingOffsets::RisingOffsets(const std::vector<quint32> &offsets)
{
    m_blockFirsts.reserve(offsets.size() / OffsetsPerBlock + 1);
    m_steps.reserve(offsets.size());
    for (std::size_t index = 0; index < offsets.size(); ++index) {
        if (index % OffsetsPerBlock == 0) {
            m_blockFirsts.push_back(offsets[index]);
            m_steps.push_back(0);
            continue;
        }
        const quint32 step = offsets[index] - offsets[index - 1];
        if (step >= LargeStep)
            m_largeSteps.emplace_back(quint32(index), step);
        m_steps.push_back(quint8(std::min<quint32>(step, LargeStep)));
    }
    m_largeSteps.shrink_to_fit();
}

quint32 RisingOffsets::largeStepAt(qsizetype index) const
{
    const auto large = std::lower_bound(m_largeSteps.begin(), m_largeSteps.end(), quint32(index),
                                        [](const auto &entry, quint32 key) { return entry.first < key; });
    return large->second;
}

quint32 RisingOffsets::withLargeSteps(qsizetype index) const
{
    const qsizetype block = index / OffsetsPerBlock;
    quint32 offset = m_blockFirsts[std::size_t(block)];
    for (qsizetype next = block * OffsetsPerBlock + 1; next <= index; ++next) {
        const quint8 step = m_steps[std::size_t(next)];
        offset += step == LargeStep ? largeStepAt(next) : step;
    }
    return offset;
}
