// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

// The three counters of the statistics bar as the keystroke rules of the
// drills change them: the panel hands in the exercise's counts and writes the
// changed ones back.
struct DrillCounts
{
    int input = 0;   // Lab_zishu
    int correct = 0; // Lab_zhenquizishu
    int wrong = 0;   // Lab_chuowuzishu

    bool operator==(const DrillCounts &) const = default;
};
