// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MenuPlacement.h"

#include <algorithm>

namespace MenuPlacement {

QPoint panelPosition(int titleLeft, int panelWidth, int rightLimit)
{
    const int left = std::min(titleLeft + panelOffsetRight, rightLimit - panelWidth);
    return {std::max(left, 0), panelTop};
}

QList<QRect> entryGeometries(const QList<int> &entryHeights, int innerWidth)
{
    QList<QRect> geometries;
    int top = 0;
    for (int height : entryHeights) {
        geometries.append(QRect(entryLeft, top, innerWidth - entryMargins, height));
        top += height;
    }
    return geometries;
}

} // namespace MenuPlacement
