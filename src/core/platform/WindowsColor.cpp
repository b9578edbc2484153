// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/WindowsColor.h"

#include <array>

namespace WindowsColor {

namespace {

// The default system colours of Windows, by their numbers 0 to 30
// (COLOR_SCROLLBAR to COLOR_MENUBAR), as 0xRRGGBB.
constexpr std::array<QRgb, 31> systemColours { {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
} };

} // namespace

QColor toQColor(qint32 value)
{
    const quint32 bits = quint32(value);
    if (bits & 0x80000000u) {
        const quint32 index = bits & 0xFFu;
        return QColor(index < systemColours.size() ? systemColours[index] : 0x000000);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

} // namespace WindowsColor
