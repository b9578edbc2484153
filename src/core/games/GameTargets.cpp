// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/GameTargets.h"

#include "core/material/RandomSource.h"
#include "core/platform/NameTable.h"
#include "core/wubi/KeyInfo.h"

namespace {

constexpr NameTable<TargetAlphabet, 5> alphabetLabels({{
    {TargetAlphabet::LowerCase, u"小写字母"},
    {TargetAlphabet::UpperCase, u"大写字母"},
    {TargetAlphabet::Digits, u"数字练习"},
    {TargetAlphabet::Mixed, u"所有混合"},
    {TargetAlphabet::Radicals, u"五笔字根"},
}});

constexpr QStringView radicalList =
    u"王戋五土士十寸雨大犬古石厂木西丁工戈弋廿七目上丨虍卜止日早刂虫曰口川田甲四皿车力山由冂贝几禾竹夂丿"
    u"白手扌斤月用彡豕乃人八亻金夕钅儿言广文方讠立六冫门丬辛疒水小氵火米灬之礻冖辶宀已乙己心巳忄尸羽子耳了"
    u"阝卩凵女刀巛彐臼九又马巴纟弓匕幺";

QString character(int code)
{
    return QString(QChar(char16_t(code)));
}

} // namespace

namespace GameTargets {

QString alphabetLabel(TargetAlphabet alphabet)
{
    return alphabetLabels.nameOf(alphabet);
}

QStringView radicals()
{
    return radicalList;
}

QString drawTarget(qint16 alphabetSetting, RandomSource &random)
{
    switch (TargetAlphabet(alphabetSetting)) {
    case TargetAlphabet::LowerCase: return character(97 + random.below(26));
    case TargetAlphabet::UpperCase: return character(65 + random.below(26));
    case TargetAlphabet::Digits: return character(48 + random.below(10));
    case TargetAlphabet::Mixed: return character(48 + random.below(75));
    case TargetAlphabet::Radicals: return radicalList.mid(random.below(int(radicalList.size())), 1).toString();
    }
    return QString();
}

bool hits(QStringView typed, QStringView target)
{
    if (target.isEmpty())
        return false;
    return target == typed || KeyInfo(typed).toLower().contains(target);
}

} // namespace GameTargets
