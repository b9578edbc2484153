// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/UserNameRules.h"

#include "core/platform/TextCodec.h"


#include <algorithm>

namespace {

// Linux allows 255 bytes of UTF-8 in one name, Windows 255 UTF-16 units;
// the byte count is the stricter of the two.
constexpr qsizetype maxNameBytes = 255;

bool forbiddenCharacter(QChar c)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return forbidden.contains(c) || c.category() == QChar::Other_Control;
}

// The settings files keep paths below the user folder in GBK, so a name that
// GBK cannot hold would come back as a different, missing folder.
bool fitsGbk(const QString &name)
{
    return TextCodec::decode(TextCodec::encode(name)) == name;
}

bool edgeSpaceOrDot(const QString &name)
{
    const auto bad = [](QChar c) { return c.isSpace() || c == QLatin1Char('.'); };
    return bad(name.front()) || bad(name.back());
}

// Windows refuses these device names as folder names, with or without an
// extension ("con", "Lpt1.txt").
bool reservedName(const QString &name)
{
    const QString stem = name.section(QLatin1Char('.'), 0, 0).toUpper();
    if (stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))))
        return stem.back() >= u'1' && stem.back() <= u'9';
    return stem == QLatin1String("CON") || stem == QLatin1String("PRN") || stem == QLatin1String("AUX")
           || stem == QLatin1String("NUL");
}

} // namespace

namespace UserNameRules {

Problem check(const QString &name)
{
    if (name.isEmpty())
        return Problem::Empty;
    if (name.front() >= QLatin1Char('0') && name.front() <= QLatin1Char('9'))
        return Problem::LeadingDigit;
    if (std::any_of(name.begin(), name.end(), forbiddenCharacter) || !fitsGbk(name))
        return Problem::ForbiddenCharacter;
    if (edgeSpaceOrDot(name))
        return Problem::EdgeSpaceOrDot;
    if (reservedName(name))
        return Problem::ReservedName;
    if (name.toUtf8().size() > maxNameBytes)
        return Problem::TooLong;
    return Problem::None;
}

QString message(Problem problem)
{
    switch (problem) {
    case Problem::Empty: return QStringLiteral("用户名不能为空 ！");
    case Problem::LeadingDigit: return QStringLiteral("用户名首字符不能为数字 ！");
    case Problem::ForbiddenCharacter:
        return QStringLiteral("用户名不能含有 \\ / : * ? \" < > | 等字符 ！");
    case Problem::EdgeSpaceOrDot: return QStringLiteral("用户名首尾不能是空格或句点 ！");
    case Problem::ReservedName: return QStringLiteral("用户名不能是系统保留的名称 ！");
    case Problem::TooLong: return QStringLiteral("用户名太长 ！");
    case Problem::None: break;
    }
    return {};
}

} // namespace UserNameRules
