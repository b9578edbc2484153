// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/WindowPictures.h"

#include "gui/app/AppPictures.h"

WindowPictures WindowPictures::builtIn()
{
    return {AppPictures::load(QStringLiteral("caption")),
            AppPictures::load(QStringLiteral("rim_left")),
            AppPictures::load(QStringLiteral("rim_left_bottom")),
            AppPictures::load(QStringLiteral("rim_bottom")),
            AppPictures::load(QStringLiteral("rim_right_bottom")),
            AppPictures::load(QStringLiteral("rim_right"))};
}
