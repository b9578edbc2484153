// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where the drop-down panels of the main window's menu bar and their entries
// go. All values are twips.
namespace MenuPlacement {

inline constexpr int panelOffsetRight = 70; // panel left edge right of its title's left edge
inline constexpr int panelTop = 765;        // panel top, from the top of the window
inline constexpr int entryLeft = 30;        // entry left edge inside its panel
inline constexpr int entryMargins = 60;     // panel inner width minus entry width

// Top-left corner of a drop-down panel whose title button's left edge is at
// titleLeft. A panel that would cross rightLimit (the inner right edge of the
// window) moves left until it fits, so that no entry is cut off.
QPoint panelPosition(int titleLeft, int panelWidth, int rightLimit);

// The entries of one panel, stacked from the top in the given order: each at
// entryLeft, as wide as innerWidth minus entryMargins, keeping its height.
QList<QRect> entryGeometries(const QList<int> &entryHeights, int innerWidth);

} // namespace MenuPlacement
