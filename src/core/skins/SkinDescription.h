// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The active skin's look values as its "skin.ini" gives them (section
// "skin"): the colours and the picture file names as the text read, the two
// switches of the dialogs' push buttons as booleans. Field names are the
// keys of the file.
struct SkinDescription
{
    QString Caption_Color;      // title label of every window
    QString Caption_Pic;        // title-bar picture
    QString About_PicUp;        // about button, released
    QString About_PicDown;      // about button, pressed
    QString Little_PicUp;       // minimise button, released
    QString Little_PicDown;     // minimise button, pressed
    QString Close_PicUp;        // close button, released
    QString Close_PicDown;      // close button, pressed
    QString Rim_PicLeft;        // left rim
    QString Rim_PicLeftBottom;  // bottom-left corner
    QString Rim_PicBottom;      // bottom rim
    QString Rim_PicRightBottom; // bottom-right corner
    QString Rim_PicRight;       // right rim
    QString Menu_BackColor;     // menu-bar buttons: face
    QString Menu_UpColor;       // menu-bar buttons: face while hovered
    QString Menu_DownColor;     // menu-bar buttons: face while pressed
    QString Menu_FrameColor;    // menu-bar buttons: edge
    QString Menu_FontColor;     // menu-bar buttons: text
    QString Window_BackColor;   // windows, frames, check boxes, the tool band
    QString TextBoxColor;       // border of the main window's shapes
    QString Lable_FontColor;    // labels, check boxes, option buttons: text
    QString Button_BackColor;   // dialog push buttons: BackColor
    QString Button_FontColor;   // dialog push buttons: ForeColor
    QString Button_FrameColor;  // dialog push buttons: XPColor_Hover
    QString Button_DownColor;   // dialog push buttons: XPColor_Pressed
    bool Button_XpStyle = false;    // dialog push buttons: XPStyle
    bool Button_XpWinStyle = false; // dialog push buttons: XPWinStyle

    bool operator==(const SkinDescription &) const = default;
};
