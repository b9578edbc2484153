// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalNames.h"

#include "core/wubi/RadicalGrid.h"

#include <array>

namespace {

// One row per key letter a to y, one column per grid digit; "" is a blank
// cell. Parts of characters are described the way Wubi lessons name them.
constexpr std::array<const char16_t *, RadicalGrid::CellCount> Names{
    // a
    u"工", u"戈", u"艹", u"匚", u"七", u"弋", u"廿", u"廾", u"龷", u"",
    // b
    u"子", u"凵", u"孑", u"了", u"巜", u"㔾", u"也", u"耳", u"阝", u"卩",
    // c
    u"又", u"予的上部", u"经的右上部", u"厶", u"巴", u"马", u"", u"", u"", u"",
    // d
    u"大", u"镸", u"犬", u"三", u"羊的下部", u"古", u"石", u"厂", u"ナ", u"ナ加点",
    // e
    u"月", u"豸的下部", u"舟去首笔", u"用", u"彡", u"爫", u"衣的下部", u"乃", u"豕", u"",
    // f
    u"土", u"士", u"二", u"干", u"十", u"寸", u"雨", u"革的下部", u"", u"",
    // g
    u"王", u"龶", u"戋", u"五", u"一", u"", u"", u"", u"", u"",
    // h
    u"目", u"且", u"丨", u"上", u"止", u"龰", u"卜", u"⺊", u"虎字头", u"皮的左上部",
    // i
    u"水", u"氺", u"兆的两点", u"氵", u"⺍", u"兴的上部", u"小", u"⺌", u"光的上部", u"",
    // j
    u"日", u"曰", u"横日", u"非的两竖", u"刂", u"归的左部", u"早", u"虫", u"", u"",
    // k
    u"口", u"带的三竖", u"川", u"", u"", u"", u"", u"", u"", u"",
    // l
    u"田", u"力", u"甲", u"囗", u"四", u"曾的中部", u"罒", u"舞的四竖", u"车", u"",
    // m
    u"山", u"由", u"贝", u"冂", u"骨的上部", u"几", u"", u"", u"", u"",
    // n
    u"已", u"羽", u"⺗", u"己", u"コ", u"乙", u"尸", u"眉的外框", u"心", u"忄",
    // o
    u"火", u"赤的下部", u"亚的中部", u"灬", u"米", u"", u"", u"", u"", u"",
    // p
    u"之", u"辶", u"廴", u"礻去点", u"冖", u"宀", u"", u"", u"", u"",
    // q
    u"金", u"夕", u"钅", u"鱼的上部", u"印的左部", u"勹", u"犭去末笔", u"儿", u"流的右下部", u"乂",
    // r
    u"白", u"手", u"扌", u"手去钩", u"勿的内部", u"牛的上部", u"斤", u"丘的上部", u"⺁", u"",
    // s
    u"木", u"丁", u"西", u"", u"", u"", u"", u"", u"", u"",
    // t
    u"禾", u"竹", u"丿", u"𠂉", u"彳", u"攵", u"夂", u"", u"", u"",
    // u
    u"立", u"门", u"六", u"旁的上部", u"辛", u"冫", u"丬", u"丷", u"䒑", u"疒",
    // v
    u"女", u"刀", u"九", u"巛", u"彐", u"臼", u"", u"", u"", u"",
    // w
    u"人", u"亻", u"八", u"癶的左半", u"祭的上部", u"", u"", u"", u"", u"",
    // x
    u"纟", u"幺", u"乡的上部", u"母去点", u"弓", u"匕", u"比的左半", u"", u"", u"",
    // y
    u"言", u"隹的右部", u"讠", u"文", u"方", u"丶", u"㇏", u"亠", u"高的上部", u"广",
};

} // namespace

QString RadicalNames::nameOf(int cell)
{
    if (cell < 0 || cell >= RadicalGrid::CellCount)
        return {};
    return QString::fromUtf16(Names[std::size_t(cell)]);
}
