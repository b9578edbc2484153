// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>

// The colours the program's push button derives from the ones it is given.
namespace ButtonColors {

// The XP faces derived from the system highlight colour: hovered
// RGB(red + 171, green + 154, blue + 108), pressed RGB(red + 156,
// green + 139, blue + 108), each component limited to 255.
QColor xpDefaultHover(const QColor &highlight);
QColor xpDefaultPressed(const QColor &highlight);

// One line of the XP window style's gradient, counted from the bottom edge
// (line 0 is the face colour itself): every line upwards is darker by 25
// divided by the height (15 while pressed), each component cut to a whole
// number and kept at 0 or more.
QColor gradientLine(const QColor &face, int lineFromBottom, int height, bool pressed);

// The two colours of a disabled caption, embossed: the caption in shadow
// over a highlight copy one pixel down-right.
struct Emboss
{
    QColor shadow;
    QColor highlight;
    bool operator==(const Emboss &) const = default;
};

// The system's button shadow and 3D highlight, unless the shadow would not
// stand out from the face (a skin's yellow or black button): then a shade of
// the face itself, dark on a light face and light on a dark one, with the
// highlight on the face's other side.
Emboss disabledCaption(const QColor &face, const QColor &shadow, const QColor &highlight);

} // namespace ButtonColors
