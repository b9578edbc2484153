// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class QApplication;

// The program-wide look: the Chinese face names the windows ask for ("宋体",
// "黑体") mapped to an installed CJK font, the default font and the window icon.
void applyAppLook(QApplication &app);
