// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/platform/Prompter.h"
#include "core/settings/Settings.h"

// Whether start-up may go on after CheckSettings.
enum class SettingsCheck { Continue, EndProgram };

// Repairs the values of a record just loaded at login: switches outside 0/1,
// hot keys outside F2 to F12, a built-in input mode that is none of "自动",
// "开", "关" (it becomes "自动"), empty colours, speech rate and voice, the letter
// set, article places below 1, a skin or input-method folder that does not
// exist. The input method falls back to "五笔", then to "拼音"; when neither
// folder exists under "\chinese\", the user is told
// "没有输入法支持文件，请重新安装软件！" (title "软件不能启动", error icon) and
// EndProgram is returned: the caller ends the program.
[[nodiscard]] SettingsCheck CheckSettings(Settings &settings, const ProgramFolder &folder,
                                          Prompter &prompter);
