// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QtGlobal>

#include <utility>
#include <vector>

// A sequence of offsets that never falls, such as where each line of a large
// text starts, kept in about a byte apiece instead of four: every
// OffsetsPerBlock-th offset whole, each other one as its step from the one
// before, and the rare step too large for a byte set aside.
class RisingOffsets
{
public:
    RisingOffsets() = default;
    // offsets must not fall.
    explicit RisingOffsets(const std::vector<quint32> &offsets);

    qsizetype size() const { return qsizetype(m_steps.size()); }
    bool empty() const { return m_steps.empty(); }
    // Inline, being on the path of every look-up of the tables that use it.
    quint32 operator[](qsizetype index) const
    {
        const qsizetype block = index / OffsetsPerBlock;
        quint32 offset = m_blockFirsts[std::size_t(block)];
        bool large = false;
        for (qsizetype next = block * OffsetsPerBlock + 1; next <= index; ++next) {
            const quint8 step = m_steps[std::size_t(next)];
            offset += step;
            large |= step == LargeStep;
        }
        return large ? withLargeSteps(index) : offset;
    }
    // The offsets at index and index + 1, found in one pass; index + 1 must
    // be below size().
    std::pair<quint32, quint32> spanAt(qsizetype index) const
    {
        const quint32 first = (*this)[index];
        const qsizetype next = index + 1;
        if (next % OffsetsPerBlock == 0)
            return {first, m_blockFirsts[std::size_t(next / OffsetsPerBlock)]};
        const quint8 step = m_steps[std::size_t(next)];
        return {first, first + (step == LargeStep ? largeStepAt(next) : step)};
    }

private:
    static constexpr qsizetype OffsetsPerBlock = 16;
    // A step of this or more is set aside.
    static constexpr quint8 LargeStep = 255;

    // The slow way, for the rare offsets with a large step before them in
    // their block.
    quint32 withLargeSteps(qsizetype index) const;
    quint32 largeStepAt(qsizetype index) const;

    std::vector<quint32> m_blockFirsts;
    // The step from the offset before; unused for the first of a block.
    std::vector<quint8> m_steps;
    // The large steps by index.
    std::vector<std::pair<quint32, quint32>> m_largeSteps;
};
