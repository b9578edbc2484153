// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/GradeRecord.h"

#include "core/platform/TextCodec.h"

#include <QLocale>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int DateOffset = 0;
constexpr int PracticeTimeOffset = 8;
constexpr int InputCountOffset = 16;
constexpr int AverageSpeedOffset = 18;
constexpr int CorrectCountOffset = 20;
constexpr int WrongCountOffset = 22;
constexpr int AccuracyOffset = 24;

QByteArray fieldBytes(QStringView text, int width)
{
    QByteArray bytes;
    qsizetype at = 0;
    while (at < text.size()) {
        // A surrogate pair is one character, which GBK writes as one "?".
        const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size()
            && text.at(at + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const QByteArray character = TextCodec::encode(text.mid(at, length));
        if (bytes.size() + character.size() > width)
            break;
        bytes.append(character);
        at += length;
    }
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

QString fieldFromBytes(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);
    return TextCodec::decode(bytes);
}

void putInt16(QByteArray &record, int offset, qint16 value)
{
    qToLittleEndian<qint16>(value, record.data() + offset);
}

qint16 int16At(const QByteArray &record, int offset)
{
    return qFromLittleEndian<qint16>(record.constData() + offset);
}

} // namespace

QByteArray GradeRecord::encode() const
{
    QByteArray record(Size, '\0');
    record.replace(DateOffset, DateWidth, fieldBytes(Date, DateWidth));
    record.replace(PracticeTimeOffset, PracticeTimeWidth,
                   fieldBytes(PracticeTime, PracticeTimeWidth));
    putInt16(record, InputCountOffset, InputCount);
    putInt16(record, AverageSpeedOffset, AverageSpeed);
    putInt16(record, CorrectCountOffset, CorrectCount);
    putInt16(record, WrongCountOffset, WrongCount);
    record.replace(AccuracyOffset, AccuracyWidth, fieldBytes(Accuracy, AccuracyWidth));
    return record;
}

GradeRecord GradeRecord::decode(QByteArrayView bytes)
{
    QByteArray record = bytes.first(std::min<qsizetype>(bytes.size(), Size)).toByteArray();
    record.append(Size - record.size(), '\0');

    GradeRecord decoded;
    decoded.Date = fieldFromBytes(QByteArrayView(record).sliced(DateOffset, DateWidth));
    decoded.PracticeTime
        = fieldFromBytes(QByteArrayView(record).sliced(PracticeTimeOffset, PracticeTimeWidth));
    decoded.InputCount = int16At(record, InputCountOffset);
    decoded.AverageSpeed = int16At(record, AverageSpeedOffset);
    decoded.CorrectCount = int16At(record, CorrectCountOffset);
    decoded.WrongCount = int16At(record, WrongCountOffset);
    decoded.Accuracy = fieldFromBytes(QByteArrayView(record).sliced(AccuracyOffset, AccuracyWidth));
    return decoded;
}

QString GradeRecord::fieldText(QStringView text, int width)
{
    return TextCodec::decode(fieldBytes(text, width));
}

qint16 GradeRecord::figure(QStringView text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<qint16>::min();
    constexpr double highest = std::numeric_limits<qint16>::max();
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return qint16(std::clamp(std::nearbyint(value), lowest, highest));
}
