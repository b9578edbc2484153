// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <cmath>

// Window positions and sizes are given in twips, 15 to a device-independent
// pixel. Qt then scales pixels for HiDPI screens.
namespace Twips {

inline constexpr int perPixel = 15;

// Twips to pixels, rounded to the nearest pixel (halves away from zero).
inline int toPixels(int twips)
{
    return int(std::lround(double(twips) / perPixel));
}

inline int fromPixels(int pixels)
{
    return pixels * perPixel;
}

} // namespace Twips
