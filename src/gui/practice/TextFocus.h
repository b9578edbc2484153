// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QStringList>

class QWidget;

// `SetTextFocus`: the focus goes to the input box of the visible view. The
// boxes are tried in the order `Text1`, `Text2`, `Text9`, `TextAbreas_1` to
// `TextAbreas_8`; a hidden or disabled box refuses, and the last one that
// accepts keeps the focus.
namespace TextFocus {

// The object names of the input boxes, in the order they are tried.
QStringList boxNames();

// Tries the boxes found under root; returns the one that has the focus now,
// or nullptr when none could take it (the focus then stays where it was).
QWidget *SetTextFocus(QWidget *root);

} // namespace TextFocus
