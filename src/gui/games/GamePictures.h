// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>
#include <QString>

// The built-in pictures of the typing games (drawn by tools/pictures), by
// name: "pond", "bug", "splash3", "mole_up", "gun2", "crosshair" ... The 2x
// drawing is used on HiDPI screens. An unknown name gives a null pixmap.
namespace GamePictures {

QPixmap load(const QString &name);

} // namespace GamePictures
