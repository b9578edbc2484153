// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MenuPlacement.h"

namespace MenuPlacement {

QPoint panelPosition(int titleLeft)
{
    return {titleLeft + panelOffsetRight, panelTop};
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
