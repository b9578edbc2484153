// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/WaveCheck.h"

#include "core/platform/NameTable.h"

#include <QtEndian>

#include <optional>

namespace {

constexpr quint16 pcmTag = 1;
constexpr quint16 floatTag = 3;
constexpr quint16 extensibleTag = 0xFFFE;
constexpr qsizetype formatBytes = 16;
constexpr qsizetype extensibleFormatBytes = 40;

// The sub-format of an extensible format block is a GUID whose first two
// bytes are the plain format tag and whose other fourteen are always these.
constexpr char guidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

constexpr NameTable<WaveCheck::Problem, 8> messages({{
    {WaveCheck::Problem::None, u""},
    {WaveCheck::Problem::TooLarge, u"文件太大"},
    {WaveCheck::Problem::NotWave, u"不是WAVE文件"},
    {WaveCheck::Problem::NoFormat, u"缺少格式块"},
    {WaveCheck::Problem::UnsupportedFormat, u"不支持的声音格式"},
    {WaveCheck::Problem::NoSamples, u"没有声音数据"},
    {WaveCheck::Problem::CutShort, u"文件不完整"},
    {WaveCheck::Problem::TooLong, u"声音太长"},
}});

struct Format
{
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 frameRate = 0;
    quint16 frameBytes = 0;
    quint16 bitsPerSample = 0;
};

quint16 read16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 read32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

void append16(QByteArray &bytes, quint16 value)
{
    char buffer[2];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 2);
}

void append32(QByteArray &bytes, quint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

// The format of a "fmt " block, when its samples are of a kind the device
// takes and its frame size is the one its channels and sample size give.
std::optional<Format> readFormat(QByteArrayView block)
{
    Format format;
    format.tag = read16(block, 0);
    format.channels = read16(block, 2);
    format.frameRate = read32(block, 4);
    format.frameBytes = read16(block, 12);
    format.bitsPerSample = read16(block, 14);
    if (format.tag == extensibleTag) {
        if (block.size() < extensibleFormatBytes
            || block.sliced(26, 14) != QByteArrayView(guidTail, sizeof guidTail - 1))
            return std::nullopt;
        format.tag = read16(block, 24);
    }
    const bool knownSamples =
        (format.tag == pcmTag
         && (format.bitsPerSample == 8 || format.bitsPerSample == 16 || format.bitsPerSample == 24
             || format.bitsPerSample == 32))
        || (format.tag == floatTag && format.bitsPerSample == 32);
    if (!knownSamples || format.channels < 1 || format.channels > 8 || format.frameRate < 1000
        || format.frameRate > 384000 || format.frameBytes != format.channels * format.bitsPerSample / 8)
        return std::nullopt;
    return format;
}

QByteArray plainWave(const Format &format, QByteArrayView samples)
{
    QByteArray wave;
    wave.reserve(44 + samples.size());
    wave.append("RIFF", 4);
    append32(wave, quint32(36 + samples.size()));
    wave.append("WAVEfmt ", 8);
    append32(wave, formatBytes);
    append16(wave, format.tag);
    append16(wave, format.channels);
    append32(wave, format.frameRate);
    append32(wave, format.frameRate * format.frameBytes);
    append16(wave, format.frameBytes);
    append16(wave, format.bitsPerSample);
    wave.append("data", 4);
    append32(wave, quint32(samples.size()));
    wave.append(samples.data(), samples.size());
    return wave;
}

WaveCheck refused(WaveCheck::Problem problem)
{
    WaveCheck check;
    check.problem = problem;
    return check;
}

} // namespace

WaveCheck WaveCheck::of(QByteArrayView bytes)
{
    if (bytes.size() > MaxFileBytes)
        return refused(Problem::TooLarge);
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return refused(Problem::NotWave);

    std::optional<Format> format;
    qsizetype at = 12;
    while (bytes.size() - at >= 8) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 size = read32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body)
            return refused(Problem::CutShort);
        const QByteArrayView block = bytes.sliced(body, qsizetype(size));
        if (id == "fmt " && !format) {
            if (block.size() < formatBytes)
                return refused(Problem::NoFormat);
            format = readFormat(block);
            if (!format)
                return refused(Problem::UnsupportedFormat);
        } else if (id == "data") {
            if (!format)
                return refused(Problem::NoFormat);
            const qint64 frames = block.size() / format->frameBytes;
            if (frames == 0)
                return refused(Problem::NoSamples);
            if (frames > qint64(MaxSeconds) * format->frameRate)
                return refused(Problem::TooLong);
            WaveCheck check;
            check.problem = Problem::None;
            check.wave = plainWave(*format, block.first(qsizetype(frames) * format->frameBytes));
            return check;
        }
        // Blocks of an odd size are followed by one byte of padding.
        at = body + qsizetype(size) + qsizetype(size & 1);
    }
    return refused(format ? Problem::NoSamples : Problem::NoFormat);
}

QString WaveCheck::message(Problem problem)
{
    return messages.nameOf(problem);
}
