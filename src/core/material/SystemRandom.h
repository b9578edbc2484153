// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/RandomSource.h"

// Random numbers of the system's generator, seeded by the system: two runs
// never draw the same sequence, as with a generator reseeded from the clock.
class SystemRandom : public RandomSource
{
public:
    double next() override;
};
