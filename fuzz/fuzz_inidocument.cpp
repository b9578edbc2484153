// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/settings/IniDocument.h"

#include "FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>

using FuzzSupport::require;

namespace {

// Names the settings and skin files use, in several spellings, so that
// changes land on the sections and keys the input already has.
constexpr std::array<const char *, 10> sections = {"user", "USER", "music", " Music ", "play", "other",
                                                   "exercise", "skin", "中文", "x"};
constexpr std::array<const char *, 10> keys = {"password", "Password", "BackMusic", "backmusic",
                                               "Skinpath", " Speed", "P1Text", "键", "a", "k"};

QString pick(FuzzedDataProvider &input, const auto &names)
{
    return QString::fromUtf8(names[input.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)]);
}

bool blank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString matchName(const QString &name)
{
    return name.trimmed().toCaseFolded();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString section = pick(input, sections);
    const QString key = pick(input, keys);
    const QString otherSection = pick(input, sections);
    const QString otherKey = pick(input, keys);
    const std::string valueBytes = input.ConsumeRandomLengthString(300);
    const QString value = input.ConsumeBool() ? QString::fromUtf8(valueBytes) : TextCodec::decode(valueBytes);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray file(rest.data(), qsizetype(rest.size()));

    IniDocument document = IniDocument::fromBytes(file);
    require(document.toBytes() == file, "a document read and left alone writes back its bytes");

    for (const auto &[s, k] : {std::pair(section, key), std::pair(otherSection, otherKey)}) {
        const QString read = document.value(s, k);
        require(TextCodec::encode(read).size() <= IniDocument::MaxReadBytes, "a value read fits the read limit");
        require(read.isEmpty() || (!blank(read.front()) && !blank(read.back())),
                "a value read has no blanks at either end");
    }

    const bool sameKey = matchName(section) == matchName(otherSection) && matchName(key) == matchName(otherKey);
    const QString otherBefore = document.value(otherSection, otherKey);

    document.setValue(section, key, value);
    if (FuzzSupport::readsBackUnchanged(value))
        require(document.value(section, key) == value, "a plain value set is read back unchanged");
    if (!sameKey)
        require(document.value(otherSection, otherKey) == otherBefore, "setting one value leaves the others");

    const QByteArray written = document.toBytes();
    const IniDocument reread = IniDocument::fromBytes(written);
    require(reread.toBytes() == written, "a written document reads back to the same bytes");
    require(reread.value(section, key) == document.value(section, key), "a value set survives writing");
    require(reread.value(otherSection, otherKey) == document.value(otherSection, otherKey),
            "other values survive writing");

    document.setValue(section, key, value);
    require(document.toBytes() == written, "setting the same value twice changes nothing more");
    return 0;
}
