// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/AnsiCode.h"
#include "core/platform/TextCodec.h"

#include "FuzzSupport.h"

using FuzzSupport::require;

namespace {

// The documented line rules, written plainly: CR LF or LF ends a line, a
// line end after the last line starts no other one. A CR at the very end is
// taken for a CR LF cut off there.
QStringList plainLines(const QString &text)
{
    QString joined = text;
    joined.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (joined.isEmpty())
        return {};
    if (joined.endsWith(u'\r'))
        joined.back() = u'\n';
    if (joined.endsWith(u'\n'))
        joined.chop(1);
    return joined.split(u'\n');
}

} // namespace

// The input is taken once as GBK bytes and once as UTF-16 text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString decoded = TextCodec::decode(bytes);
    require(TextCodec::splitLines(decoded) == plainLines(decoded), "lines split as the line rules say");

    // What the writer makes of a text, the reader gives back, and writing
    // that again gives the same bytes: a settings value or an article line
    // survives any number of saves.
    const QByteArray encoded = TextCodec::encode(decoded);
    const QString reread = TextCodec::decode(encoded);
    require(!reread.contains(QChar::ReplacementCharacter), "what the writer writes the reader can read");
    require(TextCodec::encode(reread) == encoded, "text read back writes the same bytes");

    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QByteArray textBytes = TextCodec::encode(text);
    const QString textBack = TextCodec::decode(textBytes);
    require(!textBack.contains(QChar::ReplacementCharacter), "what the writer writes the reader can read");
    require(TextCodec::decode(TextCodec::encode(textBack)) == textBack, "one round through GBK is final");
    // Characters the code page holds come back as they were.
    for (const QChar c : text) {
        if (AnsiCode::isDoubleByte(c))
            require(TextCodec::decode(TextCodec::encode(QString(c))) == QString(c),
                    "a double-byte character comes back as itself");
    }
    return 0;
}
