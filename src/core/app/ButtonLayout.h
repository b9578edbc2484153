// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

// Where the program's push button puts its picture and caption, and the
// outline of its rounded face: geometry only, in device-independent pixels,
// apart from the painting.
namespace ButtonLayout {

enum class PicturePosition { Above = 0, Left = 1, Right = 2, Below = 3 };

// Content keeps this distance from every edge; picture and caption keep
// this gap between them.
constexpr int innerMargin = 4;
constexpr int pictureGap = 4;

// The inner rectangle: 4 pixels in from each edge (empty when the button is
// smaller than 8 pixels).
QRect innerRect(QSize client);

struct Places
{
    QRect picture; // empty without a picture
    QRect caption; // empty without a caption

    bool operator==(const Places &) const = default;
};

// Places a caption of the measured size and a picture of the drawn size
// (an empty size: none). With both, they are centred in the inner rectangle
// as one group, pictureGap apart, the picture above, left of, right of or
// below the caption and each centred on the other axis; alone, either is
// centred. Pressed moves both one pixel right and down.
Places place(QSize client, QSize caption, QSize picture, PicturePosition position, bool pressed);

// The drawn picture size for the PictureSize setting: 0 is 16 by 16, 1 is
// 32 by 32, 2 the picture's own size (32 by 32 when there is no picture),
// any other value the size set (PictureWidth, PictureHeight).
QSize pictureBox(int pictureSize, QSize set, QSize original, bool hasPicture);

// The face of the XP window style: the whole rectangle without three pixels
// at each corner (the two outermost pixels of the edge row and the
// outermost pixel of the row next to it), so the corners look rounded.
QRegion roundedRegion(QSize client);

} // namespace ButtonLayout
