// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/WindowPictures.h"

#include "core/platform/ProgramFolder.h"
#include "core/skins/SkinDescription.h"
#include "core/skins/SkinFile.h"
#include "gui/app/AppPictures.h"
#include "gui/platform/PictureFile.h"

#include <QFileInfo>

namespace {

// The picture a skin names, or a null pixmap when it cannot be read.
QPixmap skinPicture(const QString &skinFolder, const QString &name, qreal devicePixelRatio)
{
    if (name.isEmpty())
        return {};
    // The names are written with either separator.
    const QString literal = QStringLiteral("\\") + QString(name).replace(u'/', u'\\');
    if (devicePixelRatio > 1.0) {
        const QString sharp = ProgramFolder::resolve(skinFolder, SkinFile::hiDpiName(literal));
        if (QFileInfo(sharp).isFile()) {
            QPixmap picture = PictureFile::read(sharp);
            if (!picture.isNull()) {
                picture.setDevicePixelRatio(2.0);
                return picture;
            }
        }
    }
    return PictureFile::read(ProgramFolder::resolve(skinFolder, literal));
}

} // namespace

WindowPictures WindowPictures::builtIn()
{
    WindowPictures pictures;
    pictures.caption = AppPictures::load(QStringLiteral("caption"));
    pictures.aboutUp = AppPictures::load(QStringLiteral("about"));
    pictures.aboutDown = AppPictures::load(QStringLiteral("about_hover"));
    pictures.littleUp = AppPictures::load(QStringLiteral("minimize"));
    pictures.littleDown = AppPictures::load(QStringLiteral("minimize_hover"));
    pictures.closeUp = AppPictures::load(QStringLiteral("close"));
    pictures.closeDown = AppPictures::load(QStringLiteral("close_hover"));
    pictures.rimLeft = AppPictures::load(QStringLiteral("rim_left"));
    pictures.rimLeftBottom = AppPictures::load(QStringLiteral("rim_left_bottom"));
    pictures.rimBottom = AppPictures::load(QStringLiteral("rim_bottom"));
    pictures.rimRightBottom = AppPictures::load(QStringLiteral("rim_right_bottom"));
    pictures.rimRight = AppPictures::load(QStringLiteral("rim_right"));
    return pictures;
}

std::optional<WindowPictures> WindowPictures::fromSkin(const QString &skinFolder, const SkinDescription &skin,
                                                       qreal devicePixelRatio, QString *failedFile)
{
    WindowPictures pictures;
    const std::pair<QPixmap *, const QString *> named[] = {
        {&pictures.caption, &skin.Caption_Pic},
        {&pictures.aboutUp, &skin.About_PicUp},
        {&pictures.aboutDown, &skin.About_PicDown},
        {&pictures.littleUp, &skin.Little_PicUp},
        {&pictures.littleDown, &skin.Little_PicDown},
        {&pictures.closeUp, &skin.Close_PicUp},
        {&pictures.closeDown, &skin.Close_PicDown},
        {&pictures.rimLeft, &skin.Rim_PicLeft},
        {&pictures.rimLeftBottom, &skin.Rim_PicLeftBottom},
        {&pictures.rimBottom, &skin.Rim_PicBottom},
        {&pictures.rimRightBottom, &skin.Rim_PicRightBottom},
        {&pictures.rimRight, &skin.Rim_PicRight},
    };
    for (const auto &[picture, name] : named) {
        *picture = skinPicture(skinFolder, *name, devicePixelRatio);
        if (picture->isNull()) {
            if (failedFile)
                *failedFile = *name;
            return std::nullopt;
        }
    }
    return pictures;
}
