// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/BuiltInInputSwitch.h"

BuiltInInputSwitch::BuiltInInputSwitch(BuiltInInputMode mode, bool systemInputMethod)
    : m_mode(mode), m_systemInputMethod(systemInputMethod)
{
}

void BuiltInInputSwitch::setMode(BuiltInInputMode mode)
{
    m_mode = mode;
    m_turned = false;
}

void BuiltInInputSwitch::toggle()
{
    m_turned = !m_turned;
}

bool BuiltInInputSwitch::isOn() const
{
    bool on = false;
    switch (m_mode) {
    case BuiltInInputMode::Auto: on = !m_systemInputMethod; break;
    case BuiltInInputMode::On: on = true; break;
    case BuiltInInputMode::Off: on = false; break;
    }
    return on != m_turned;
}

bool BuiltInInputSwitch::systemInputMethodNamed(const QString &qtImModule, const QString &xModifiers)
{
    for (const QString &value : {qtImModule, xModifiers}) {
        if (value.contains(QLatin1String("fcitx"), Qt::CaseInsensitive)
            || value.contains(QLatin1String("ibus"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

std::optional<ImeEngine::Method> BuiltInInputSwitch::methodOf(const QString &inputMeans)
{
    if (inputMeans == u"五笔")
        return ImeEngine::Method::Wubi;
    if (inputMeans == u"拼音")
        return ImeEngine::Method::Pinyin;
    return std::nullopt;
}

QString BuiltInInputSwitch::tableFile(ImeEngine::Method method)
{
    return method == ImeEngine::Method::Wubi ? QStringLiteral("\\ime\\wubi86.tbl") : QStringLiteral("\\ime\\pinyin.tbl");
}

QString BuiltInInputSwitch::inputName(std::optional<ImeEngine::Method> builtIn)
{
    if (!builtIn)
        return QStringLiteral("系统输入法");
    return *builtIn == ImeEngine::Method::Wubi ? QStringLiteral("内置五笔") : QStringLiteral("内置拼音");
}
