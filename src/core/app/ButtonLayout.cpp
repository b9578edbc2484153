// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/ButtonLayout.h"

#include <algorithm>

namespace ButtonLayout {

QRect innerRect(QSize client)
{
    return QRect(QPoint(0, 0), client).adjusted(innerMargin, innerMargin, -innerMargin, -innerMargin);
}

namespace {

// The top-left corner that centres a length within [start, start + span).
int centred(int start, int span, int length)
{
    return start + (span - length) / 2;
}

} // namespace

Places place(QSize client, QSize caption, QSize picture, PicturePosition position, bool pressed)
{
    const QRect inner = innerRect(client);
    const bool hasCaption = !caption.isEmpty();
    const bool hasPicture = !picture.isEmpty();
    Places places;
    if (hasCaption && hasPicture) {
        const bool stacked = position == PicturePosition::Above || position == PicturePosition::Below;
        const QSize group = stacked ? QSize(std::max(caption.width(), picture.width()),
                                            caption.height() + pictureGap + picture.height())
                                    : QSize(caption.width() + pictureGap + picture.width(),
                                            std::max(caption.height(), picture.height()));
        const int left = centred(inner.left(), inner.width(), group.width());
        const int top = centred(inner.top(), inner.height(), group.height());
        QPoint pictureAt;
        QPoint captionAt;
        switch (position) {
        case PicturePosition::Above:
            pictureAt = {centred(left, group.width(), picture.width()), top};
            captionAt = {centred(left, group.width(), caption.width()), top + picture.height() + pictureGap};
            break;
        case PicturePosition::Below:
            captionAt = {centred(left, group.width(), caption.width()), top};
            pictureAt = {centred(left, group.width(), picture.width()), top + caption.height() + pictureGap};
            break;
        case PicturePosition::Left:
            pictureAt = {left, centred(top, group.height(), picture.height())};
            captionAt = {left + picture.width() + pictureGap, centred(top, group.height(), caption.height())};
            break;
        case PicturePosition::Right:
            captionAt = {left, centred(top, group.height(), caption.height())};
            pictureAt = {left + caption.width() + pictureGap, centred(top, group.height(), picture.height())};
            break;
        }
        places = {QRect(pictureAt, picture), QRect(captionAt, caption)};
    } else if (hasPicture) {
        places.picture = QRect(QPoint(centred(inner.left(), inner.width(), picture.width()),
                                      centred(inner.top(), inner.height(), picture.height())),
                               picture);
    } else if (hasCaption) {
        places.caption = QRect(QPoint(centred(inner.left(), inner.width(), caption.width()),
                                      centred(inner.top(), inner.height(), caption.height())),
                               caption);
    }
    if (pressed) {
        if (hasPicture)
            places.picture.translate(1, 1);
        if (hasCaption)
            places.caption.translate(1, 1);
    }
    return places;
}

QSize pictureBox(int pictureSize, QSize set, QSize original, bool hasPicture)
{
    switch (pictureSize) {
    case 0: return {16, 16};
    case 1: return {32, 32};
    case 2: return hasPicture ? original : QSize(32, 32);
    default: return set;
    }
}

QRegion roundedRegion(QSize client)
{
    const int w = client.width();
    const int h = client.height();
    QRegion region(0, 0, w, h);
    if (w < 4 || h < 4)
        return region;
    // Each corner loses two pixels of its edge row and one of the next row.
    for (const int x : {0, w - 2}) {
        region -= QRegion(x, 0, 2, 1);
        region -= QRegion(x, h - 1, 2, 1);
    }
    for (const int x : {0, w - 1}) {
        region -= QRegion(x, 1, 1, 1);
        region -= QRegion(x, h - 2, 1, 1);
    }
    return region;
}

} // namespace ButtonLayout
