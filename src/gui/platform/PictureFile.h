// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>
#include <QString>

namespace PictureFile {

// The picture in a file or resource, or a null pixmap when it cannot be read.
// Unlike QPixmap::load it leaves Qt's global pixmap cache alone, so a picture
// lives only as long as what shows it: the splash picture, the welcome
// picture and the help window's icons do not stay in memory for the whole run.
// A name ending in "@2x" gives a picture of device pixel ratio 2.
QPixmap read(const QString &path);

} // namespace PictureFile
