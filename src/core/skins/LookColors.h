// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>

#include <optional>

struct SkinDescription;

// The colours of the program's look: the built-in ones, or those a skin
// gives. Every window takes its colours from here.
struct LookColors
{
    QColor window;      // windows, frames, check boxes, option buttons, the tool band
    QColor caption;     // title label of every window
    QColor menuBack;    // menu-bar buttons: face (the drop-down panels' sheet too)
    QColor menuUp;      // menu-bar buttons: face while hovered
    QColor menuDown;    // menu-bar buttons: face while pressed
    QColor menuFrame;   // menu-bar buttons: edge
    QColor menuFont;    // menu-bar buttons: text
    QColor shapeBorder; // border of the main window's shapes
    QColor labelText;   // labels, check boxes, option buttons: text
    // The dialogs' push buttons; an invalid colour leaves the button's own.
    QColor buttonBack;
    QColor buttonFont;
    QColor buttonHover;
    QColor buttonPressed;
    bool buttonXpStyle = true;
    bool buttonXpWinStyle = true;

    // The built-in look: the window colour RGB(249, 247, 242), white menu
    // faces with RGB(5, 121, 250) highlights, black text, a white title,
    // and the dialogs' buttons in their own colours in the XP look.
    static LookColors builtIn();

    // The colours of a skin. nullopt when one of the colours the main window
    // uses (Caption_Color, the five Menu_ colours, Window_BackColor,
    // TextBoxColor, Lable_FontColor) is not a number. A button colour that
    // is not a number leaves that colour of the buttons their own.
    static std::optional<LookColors> fromSkin(const SkinDescription &skin);

    bool operator==(const LookColors &) const = default;
};
