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
// One encoding of the whole plane is much faster than one per character.
CodePointSet doubleByteCharacters()
{
    QString plane;
    plane.reserve(0x10000);
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (!QChar::isSurrogate(c))
            plane.append(QChar(c));
    }
    const QByteArray bytes = TextCodec::encode(plane);

    // GBK is read from the start: a byte 0x81 to 0xFE leads a two-byte
    // character, any other byte is a character of its own (a character GBK
    // cannot hold became "?").
    CodePointSet set;
    qsizetype at = 0;
    for (const QChar c : std::as_const(plane)) {
        const auto lead = static_cast<unsigned char>(bytes.at(at));
        const bool doubleByte = lead >= 0x81 && lead <= 0xFE;
        set[c.unicode()] = doubleByte;
        at += doubleByte ? 2 : 1;
    }
    Q_ASSERT(at == bytes.size());
    return set;
}

} // namespace

bool isDoubleByte(QChar c)
{
    static const CodePointSet set = doubleByteCharacters();
    return set[c.unicode()];
}

} // namespace AnsiCode
