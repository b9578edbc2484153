// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/ime/ImeEngine.h"
#include "core/settings/BuiltInInputMode.h"

#include <QString>

#include <optional>

// Whether the program's own input method takes the keys of the Chinese
// typing boxes: the setting "内置输入法" decides, "自动" meaning "on unless a
// system input method serves the program"; Ctrl+Space turns it over for the
// rest of the run, until the setting is chosen again.
class BuiltInInputSwitch
{
public:
    BuiltInInputSwitch(BuiltInInputMode mode, bool systemInputMethod);

    // The setting as confirmed in the settings dialog; an earlier Ctrl+Space
    // no longer counts.
    void setMode(BuiltInInputMode mode);
    // Ctrl+Space.
    void toggle();
    bool isOn() const;

    // Whether the environment names a system input method for Qt programs
    // (QT_IM_MODULE, or XMODIFIERS for X input methods): fcitx or IBus.
    static bool systemInputMethodNamed(const QString &qtImModule, const QString &xModifiers);

    // The engine for an input method folder (`InputMeans`): "五笔" types
    // Wubi 86, "拼音" pinyin; nullopt for a method it does not know.
    static std::optional<ImeEngine::Method> methodOf(const QString &inputMeans);
    // The program folder's literal of a method's table ("\ime\wubi86.tbl").
    static QString tableFile(ImeEngine::Method method);

    // What the statistics bar says about the input of a Chinese box: "内置五笔",
    // "内置拼音" or, when the built-in one is off or has no table, "系统输入法".
    static QString inputName(std::optional<ImeEngine::Method> builtIn);

private:
    BuiltInInputMode m_mode;
    bool m_systemInputMethod;
    bool m_turned = false;
};
