// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/platform/PictureFile.h"

#include <QImageReader>

namespace PictureFile {

QPixmap read(const QString &path)
{
    QImageReader reader(path);
    return QPixmap::fromImage(reader.read());
}

} // namespace PictureFile
