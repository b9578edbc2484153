// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/AppLook.h"

#include "gui/app/AppPictures.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

void applyAppLook(QApplication &app)
{
    // The Windows faces the program names do not exist here; both map to the
    // CJK face that Debian's fonts-wqy-microhei installs.
    const QString installed = QStringLiteral("WenQuanYi Micro Hei");
    QFont::insertSubstitution(QStringLiteral("宋体"), installed);
    QFont::insertSubstitution(QStringLiteral("黑体"), installed);
    app.setFont(QFont(QStringLiteral("宋体"), 9));
    app.setWindowIcon(QIcon(AppPictures::load(QStringLiteral("logo"))));
}
