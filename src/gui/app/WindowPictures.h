// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>

// The title-bar picture and the five rim pictures of the main window, which
// every dialog copies when it opens so that it matches the main window.
struct WindowPictures
{
    QPixmap caption;
    QPixmap rimLeft;
    QPixmap rimLeftBottom;
    QPixmap rimBottom;
    QPixmap rimRightBottom;
    QPixmap rimRight;

    // The built-in look.
    static WindowPictures builtIn();
};
