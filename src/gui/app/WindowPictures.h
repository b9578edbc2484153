// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

struct SkinDescription;

// The pictures of the main window's caption bar and rim: the title-bar
// picture, the about, minimise and close buttons released ("Up") and pressed
// or hovered ("Down"), and the five rim pieces. Every dialog copies the
// title-bar picture, the close button and the rim when it opens, so that it
// matches the main window.
struct WindowPictures
{
    QPixmap caption;
    QPixmap aboutUp;
    QPixmap aboutDown;
    QPixmap littleUp;
    QPixmap littleDown;
    QPixmap closeUp;
    QPixmap closeDown;
    QPixmap rimLeft;
    QPixmap rimLeftBottom;
    QPixmap rimBottom;
    QPixmap rimRightBottom;
    QPixmap rimRight;

    // The built-in look.
    static WindowPictures builtIn();

    // The pictures a skin names, each from its skin folder (file names
    // matched without regard to case). On a HiDPI screen a drawing twice the
    // size beside a picture ("caption@2x.png" for "caption.png") takes its
    // place. nullopt when a picture is missing or cannot be read; *failedFile
    // then names it.
    static std::optional<WindowPictures> fromSkin(const QString &skinFolder, const SkinDescription &skin,
                                                  qreal devicePixelRatio, QString *failedFile = nullptr);
};
