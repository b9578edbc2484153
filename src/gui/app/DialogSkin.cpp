// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/DialogSkin.h"

#include "gui/app/FramelessWindow.h"
#include "gui/app/WindowLook.h"
#include "widgets/KorvelButton.h"

namespace DialogSkin {

void take(QWidget *dialog, const WindowLook &look, bool labelColours)
{
    for (KorvelButton *button : dialog->findChildren<KorvelButton *>())
        button->setSounds(look.sounds);
    if (look.SkinLoaded) {
        LoadSkin(dialog, look, labelColours);
        return;
    }
    for (KorvelButton *button : dialog->findChildren<KorvelButton *>())
        button->setXPStyle(true);
}

void LoadSkin(QWidget *dialog, const WindowLook &look, bool labelColours)
{
    // A frame's title and a check box's caption are text on the window
    // colour like a label's, so a dark skin never leaves them black on black.
    FramelessWindow::useColours(dialog, look, labelColours);
    const LookColors &colors = look.colors;
    for (KorvelButton *button : dialog->findChildren<KorvelButton *>()) {
        button->setBackColor(colors.buttonBack);
        button->setForeColor(colors.buttonFont);
        button->setXPColorHover(colors.buttonHover);
        button->setXPColorPressed(colors.buttonPressed);
        // The skin's hover and pressed faces count only without the colours
        // derived from the system highlight.
        button->setXPDefaultColors(!colors.buttonHover.isValid() && !colors.buttonPressed.isValid());
        button->setXPStyle(colors.buttonXpStyle);
        button->setXPWinStyle(colors.buttonXpWinStyle);
    }
}

} // namespace DialogSkin
