// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

class KorvelButton;

// A push button of the account windows: the program's own button in the XP
// look that windows take when no skin dresses them.
KorvelButton *makeDialogButton(const QString &objectName, const QString &caption);
