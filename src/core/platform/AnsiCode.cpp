// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/AnsiCode.h"

#include "core/platform/TextCodec.h"

#include <bitset>

namespace AnsiCode {

namespace {

using CodePointSet = std::bitset<0x10000>;

// The set is taken from the same GBK encoder the program writes with, so a
// character counts as double-byte exactly when it is stored as two bytes.
// One encoding of the whole plane is much faster than one per character; a
// line feed after each character marks where its bytes end, as the encoder
// writes nothing at all for some characters (soft hyphen, zero-width space)
// and no byte of a two-byte character is a line feed.
CodePointSet doubleByteCharacters()
{
    QString plane;
    plane.reserve(2 * 0x10000);
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (!QChar::isSurrogate(c) && c != u'\n')
            plane.append(QChar(c)).append(QLatin1Char('\n'));
    }
    const QByteArray bytes = TextCodec::encode(plane);

    CodePointSet set;
    qsizetype start = 0;
    for (qsizetype at = 0; at < plane.size(); at += 2) {
        const qsizetype end = bytes.indexOf('\n', start);
        const auto lead = static_cast<unsigned char>(bytes.at(start));
        set[plane.at(at).unicode()] = end - start == 2 && lead >= 0x81 && lead <= 0xFE;
        start = end + 1;
    }
    return set;
}

} // namespace

bool isDoubleByte(QChar c)
{
    static const CodePointSet set = doubleByteCharacters();
    return set[c.unicode()];
}

} // namespace AnsiCode
