// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/ScramblePassword.h"

#include "core/platform/TextCodec.h"

namespace {

// The character's code in the ANSI code page as a signed 16-bit value: a
// single byte reads as 0 to 255, a double-byte character as its two bytes,
// lead byte high, which is negative.
qint16 ansiCode(QChar character)
{
    const QByteArray bytes = TextCodec::encode(QStringView(&character, 1));
    if (bytes.size() == 1)
        return qint16(quint8(bytes.at(0)));
    if (bytes.size() == 2)
        return qint16(quint16((quint8(bytes.at(0)) << 8) | quint8(bytes.at(1))));
    return qint16('?');
}

} // namespace

QString ScramblePassword(const QString &password)
{
    QString text = password;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        // Both characters are read from the text as it stands now: past the
        // middle the mirror position already holds a replaced character.
        const qint16 c = ansiCode(text.at(i));
        const qint16 m = ansiCode(text.at(n - 1 - i));
        const qint16 v = qint16((m + 5) ^ c);
        text[i] = QString::number(v).at(0);
    }
    return text;
}
