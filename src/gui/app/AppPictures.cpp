// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/AppPictures.h"

#include "gui/platform/PictureFile.h"

#include <QGuiApplication>

// The resource lives in this static library; registering it here pulls it into
// every program that shows a picture.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(app_pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace AppPictures {

QPixmap load(const QString &name)
{
    registerPictures();
    const bool hiDpi = qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
    return PictureFile::read(QStringLiteral(":/app/%1%2.png").arg(name, hiDpi ? QStringLiteral("@2x") : QString()));
}

} // namespace AppPictures
