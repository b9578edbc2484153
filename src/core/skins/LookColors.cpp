// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/skins/LookColors.h"

#include "core/skins/SkinDescription.h"
#include "core/skins/SkinFile.h"

LookColors LookColors::builtIn()
{
    LookColors colors;
    colors.window = QColor(249, 247, 242);
    colors.caption = QColor(Qt::white);
    colors.menuBack = QColor(Qt::white);
    colors.menuUp = QColor(5, 121, 250);
    colors.menuDown = QColor(5, 121, 250);
    colors.menuFrame = QColor(5, 121, 250);
    colors.menuFont = QColor(Qt::black);
    colors.shapeBorder = QColor(127, 157, 185);
    colors.labelText = QColor(Qt::black);
    return colors;
}

std::optional<LookColors> LookColors::fromSkin(const SkinDescription &skin)
{
    LookColors colors;
    const std::pair<QColor *, const QString *> required[] = {
        {&colors.caption, &skin.Caption_Color},     {&colors.menuBack, &skin.Menu_BackColor},
        {&colors.menuUp, &skin.Menu_UpColor},       {&colors.menuDown, &skin.Menu_DownColor},
        {&colors.menuFrame, &skin.Menu_FrameColor}, {&colors.menuFont, &skin.Menu_FontColor},
        {&colors.window, &skin.Window_BackColor},   {&colors.shapeBorder, &skin.TextBoxColor},
        {&colors.labelText, &skin.Lable_FontColor},
    };
    for (const auto &[colour, text] : required) {
        const std::optional<QColor> read = SkinFile::colour(*text);
        if (!read)
            return std::nullopt;
        *colour = *read;
    }
    // The main window never reads the dialogs' button colours, so a skin
    // with a broken one still dresses it; the buttons keep their own colour.
    const std::pair<QColor *, const QString *> optional[] = {
        {&colors.buttonBack, &skin.Button_BackColor},
        {&colors.buttonFont, &skin.Button_FontColor},
        {&colors.buttonHover, &skin.Button_FrameColor},
        {&colors.buttonPressed, &skin.Button_DownColor},
    };
    for (const auto &[colour, text] : optional)
        *colour = SkinFile::colour(*text).value_or(QColor());
    colors.buttonXpStyle = skin.Button_XpStyle;
    colors.buttonXpWinStyle = skin.Button_XpWinStyle;
    return colors;
}
