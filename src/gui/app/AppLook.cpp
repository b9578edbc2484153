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
    QFont font(QStringLiteral("宋体"), 9);
    // Unhinted glyphs: FreeType's auto-hinter, which the desktop's light
    // hinting calls for, first reads a hundred reference characters of a CJK
    // face to measure its strokes, keeping 2 MB of the font in memory and
    // costing start-up time in every run.
    font.setHintingPreference(QFont::PreferNoHinting);
    app.setFont(font);
    app.setWindowIcon(QIcon(AppPictures::load(QStringLiteral("logo"))));
}
