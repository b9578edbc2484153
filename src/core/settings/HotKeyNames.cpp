// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/HotKeyNames.h"

#include "core/platform/VirtualKeys.h"

#include <QStringList>

namespace {

// Two of the names are kept as lists split at "|", counted from their first code.
const QString ModifierNames = QStringLiteral("Shift|Ctrl|Alt|Pause|Caps Lock");                 // from 16
const QString NavigationNames = QStringLiteral("空格|Page Up|Page Down|End|Home|左方向键|上方向键|"
                                               "右方向键|下方向键|SELECT|SNAPSHOT|EXECUTE|"
                                               "Print Screen|Insert|Delete|Help");            // from 32

struct Single
{
    int code;
    const char16_t *name;
};

const Single Singles[] = {
    {0, u"无"},          {8, u"BACKSPACE"},   {9, u"TAB"},          {12, u"CLEAR"},
    {13, u"ENTER"},      {27, u"Esc"},        {92, u"Win"},         {93, u"Right Mouse Key"},
    {108, u"NumPad Enter"}, {144, u"Num Lock"}, {145, u"Scroll Lock"}, {187, u"="},
    {189, u"-"},         {192, u"`"},         {220, u"\\"},
};

} // namespace

namespace HotKeyNames {

QString keyName(int code)
{
    for (const Single &single : Singles) {
        if (single.code == code)
            return QString::fromUtf16(single.name);
    }
    if (code >= 16 && code <= 20)
        return ModifierNames.split(QLatin1Char('|')).at(code - 16);
    if (code >= 32 && code <= 47)
        return NavigationNames.split(QLatin1Char('|')).at(code - 32);
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90))
        return QString(QChar(code));
    if (code >= 96 && code <= 105)
        return QStringLiteral("NumPad") + QString::number(code - 96);
    // 106 "*", 107 "+", 109 "-", 110 ".", 111 "/"; 108 is named above.
    if (code >= 106 && code <= 111)
        return QStringLiteral("NumPad") + QStringLiteral("*+ -./").at(code - 106);
    if (code >= 112 && code <= 127)
        return QLatin1Char('F') + QString::number(code - 111);
    return QStringLiteral("KeyCode:") + QString::number(code);
}

bool accepts(int code)
{
    return code >= VirtualKeys::F2 && code <= VirtualKeys::F12;
}

} // namespace HotKeyNames
