// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>
#include <QString>

// The built-in pictures of the windows (drawn by tools/pictures), by name:
// "caption", "close_hover", "tool3" ... The 2x drawing is used on HiDPI
// screens. An unknown name gives a null pixmap.
namespace AppPictures {

QPixmap load(const QString &name);

} // namespace AppPictures
