// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/WindowLook.h"

WindowLook WindowLook::builtIn(ButtonSounds *sounds)
{
    return {WindowPictures::builtIn(), LookColors::builtIn(), false, sounds};
}
