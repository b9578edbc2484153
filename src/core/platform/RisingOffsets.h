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
    quint32 operator[](qsizetype index) const;

private:
    static constexpr qsizetype OffsetsPerBlock = 16;
    // A step of this or more is set aside.
    static constexpr quint8 LargeStep = 255;

    quint32 stepAt(qsizetype index) const;

    std::vector<quint32> m_blockFirsts;
    // The step from the offset before; unused for the first of a block.
    std::vector<quint8> m_steps;
    // The large steps by index.
    std::vector<std::pair<quint32, quint32>> m_largeSteps;
};
