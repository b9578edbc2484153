// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/skins/LookColors.h"
#include "gui/app/WindowPictures.h"

class ButtonSounds;

// The look every window of the program wears: the pictures of the caption
// bar and the rim, the colours, whether a skin supplies them (SkinLoaded)
// and the sounds of the push buttons. The main window keeps the one in use
// and a skin replaces it; every dialog copies it when it opens.
struct WindowLook
{
    WindowPictures pictures;
    LookColors colors;
    bool SkinLoaded = false;
    ButtonSounds *sounds = nullptr; // the push buttons' sounds; none: silent

    // The built-in pictures and colours, without a skin.
    static WindowLook builtIn(ButtonSounds *sounds = nullptr);
};
