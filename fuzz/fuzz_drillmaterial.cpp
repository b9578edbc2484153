// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/CharacterPool.h"
#include "core/material/DrillLine.h"
#include "core/material/RandomSource.h"
#include "core/material/WordListDraw.h"
#include "core/platform/TextCodec.h"

#include "FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using FuzzSupport::require;

namespace {

class FixedRandom : public RandomSource
{
public:
    explicit FixedRandom(double value) : m_value(value) {}
    double next() override { return m_value; }

private:
    double m_value;
};

bool printableAscii(QChar c)
{
    return c.unicode() >= 33 && c.unicode() <= 126;
}

void checkSplit(const QString &line)
{
    const std::optional<DrillLine> hash = SplitDrillLine(DrillLine::Hash, line);
    require(hash.has_value() == line.contains(u'#'), "a # line has an entry exactly when it holds #");
    if (hash) {
        require(hash->target + u'#' + hash->hint == line, "a # line is its word, #, and its meaning");
        require(!hash->target.contains(u'#'), "a # line is cut at its first #");
    }
    const std::optional<DrillLine> phrase = SplitDrillLine(DrillLine::Phrase, line);
    require(phrase.has_value(), "every phrase line has an entry");
    require(phrase->target + phrase->hint == line, "a phrase line is its phrase and its code");
    require(std::none_of(phrase->target.begin(), phrase->target.end(), printableAscii),
            "a phrase holds no printable ASCII");
    require(phrase->hint.isEmpty() || printableAscii(phrase->hint.front()), "a code starts with printable ASCII");
}

} // namespace

// Word, number-word and phrase files, and character pools, as the drills
// read them from disk.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const double draw = input.ConsumeProbability<double>();
    const auto format = input.ConsumeBool() ? DrillLine::Hash : DrillLine::Phrase;
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), qsizetype(rest.size()));

    const QString text = TextCodec::decode(bytes);
    const QStringList lines = TextCodec::splitLines(text);
    for (const QString &line : lines)
        checkSplit(line);

    const QString file = FuzzSupport::scratchFolder() + QStringLiteral("/list.txt");
    FuzzSupport::writeFile(file, bytes);
    FixedRandom random(draw);
    const WordListDraw drawn = WordListDraw::draw(file, format, random);
    const bool anyText = std::any_of(lines.begin(), lines.end(), [](const QString &l) { return !l.isEmpty(); });
    switch (drawn.status) {
    case WordListDraw::Status::Drawn:
        require(std::any_of(lines.begin(), lines.end(),
                            [&](const QString &l) { return !l.isEmpty() && SplitDrillLine(format, l) == drawn.line; }),
                "the entry drawn is one of the file's lines");
        break;
    case WordListDraw::Status::NoData:
        require(!anyText, "a file with a line of text is never empty");
        break;
    case WordListDraw::Status::NoHash:
        require(format == DrillLine::Hash && anyText, "only a # file lacks a #");
        break;
    case WordListDraw::Status::Unreadable:
        require(false, "a file that is there can be read");
        break;
    }

    const std::optional<QString> pool = CharacterPool::load(file);
    require(pool.has_value(), "a pool that is there can be read");
    require(!pool->contains(u'\r') && !pool->contains(u'\n'), "a pool holds no line breaks");
    require(pool->size() == text.size() - text.count(u'\r') - text.count(u'\n'),
            "a pool keeps every other character");
    return 0;
}
