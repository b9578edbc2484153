// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/RandomSource.h"

#include <algorithm>

int RandomSource::below(int count)
{
    // A source that returns exactly 1 (or more) must still give a valid index.
    return std::clamp(int(next() * count), 0, count - 1);
}
