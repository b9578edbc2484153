// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// When the program's own input method takes the keys of the typing boxes:
// the values of the setting "内置输入法" as the file and the settings
// dialog spell them.
enum class BuiltInInputMode {
    Auto, // "自动"
    On,   // "开"
    Off,  // "关"
};

// The mode's text; "自动" is the value of a new user.
QString builtInInputModeName(BuiltInInputMode mode);
// The mode a text names exactly; nullopt for any other text.
std::optional<BuiltInInputMode> builtInInputModeNamed(QStringView text);
// The three texts in the order of the enum, for a choice list.
QStringList builtInInputModeNames();
