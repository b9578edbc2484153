// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/KeyInfo.h"

#include <array>
#include <utility>

QString KeyInfo(QStringView key)
{
    // In Wubi zone order. Four texts have an ASCII colon and a space where
    // the others have a full-width colon, three of them a trailing space too;
    // the games show the texts as they stand, so they stay that way.
    static const std::array<std::pair<char16_t, const char16_t *>, 25> descriptions = {{
        {u'g', u"键名字：王 字根：王五戋一 高频字：一"},
        {u'f', u"键名字：土 字根：土士二十干寸雨 高频字：地"},
        {u'd', u"键名字：大 字根：大犬三石古厂 高频字：在"},
        {u's', u"键名字：木 字根：木西丁 高频字：要"},
        {u'a', u"键名字：工 字根：工匚七弋戈廿 高频字：工"},
        {u'h', u"键名字：目 字根：目上丨虍卜止 高频字: 上 "},
        {u'j', u"键名字：日 字根：日早刂虫 高频字：是"},
        {u'k', u"键名字：口 字根：曰口川 高频字：中"},
        {u'l', u"键名字：田 字根：田甲四皿车力 高频字：国"},
        {u'm', u"键名字：山 字根：山由冂贝几 高频字：同"},
        {u't', u"键名字：禾 字根：禾竹夂丿 高频字：和"},
        {u'r', u"键名字：白 字根：白手扌斤 高频字: 的 "},
        {u'e', u"键名字：月 字根：月用彡豕乃 高频字：有"},
        {u'w', u"键名字：人 字根：人八亻 高频字：人"},
        {u'q', u"键名字：金 字根：金夕钅儿 高频字：我"},
        {u'y', u"键名字：言 字根：言广文方讠 高频字：主"},
        {u'u', u"键名字：产 字根：立六冫门丬辛疒 高频字: 产 "},
        {u'i', u"键名字：水 字根：水小氵 高频字：不"},
        {u'o', u"键名字：火 字根：火米灬 高频字：为"},
        {u'p', u"键名字：之 字根：之礻冖辶宀 高频字：这"},
        {u'n', u"键名字：已 字根：已乙己心巳忄尸羽 高频字：民"},
        {u'b', u"键名字：子 字根：子耳了阝卩凵 高频字: 了"},
        {u'v', u"键名字：女 字根：女刀巛彐臼九 高频字：发"},
        {u'c', u"键名字：又 字根：又马巴 高频字：以"},
        {u'x', u"键名字：纟 字根：纟弓匕幺 高频字：经"},
    }};
    if (key.size() != 1)
        return QString();
    for (const auto &[letter, description] : descriptions) {
        if (key.front() == QChar(letter))
            return QString::fromUtf16(description);
    }
    return QString();
}
