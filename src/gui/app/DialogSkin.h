// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class QWidget;
struct WindowLook;

// How a dialog takes the main window's look when it opens (its title and
// rim pictures come with the look it is built with).
namespace DialogSkin {

// Every push button of the dialog gets the look's sounds. With a skin
// loaded the dialog applies it (LoadSkin); otherwise every push button takes
// the XP look in its own colours.
void take(QWidget *dialog, const WindowLook &look, bool labelColours);

// A dialog's LoadSkin: the window colour as background; every push button
// takes the skin's button face, text, hover and pressed colours and its two
// XP switches; with labelColours, labels, frame titles, check boxes and
// option buttons take the skin's label colour. A button colour the skin
// could not give leaves the button's own.
void LoadSkin(QWidget *dialog, const WindowLook &look, bool labelColours);

} // namespace DialogSkin
