// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

// Where the drills get their random numbers from: the system's generator in
// the program, a script in tests.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A number from 0 up to but excluding 1.
    virtual double next() = 0;

    // A whole number from 0 up to but excluding count (count > 0): the
    // written draw Int(r x count).
    int below(int count);
};
