// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/CodeList.h"

#include "core/platform/AnsiCode.h"
#include "core/wubi/Characters.h"

#include <algorithm>
#include <numeric>

namespace {

// A run as the index builds it: its place in the text as well, to tell runs
// of equal hash apart.
struct PlacedRun
{
    quint32 hash;
    quint32 line;
    quint32 start;
    quint32 size;
};

// Runs per bucket on average: a bucket's runs then fill about one cache line.
constexpr std::size_t RunsPerBucket = 4;

// Where each line of text starts, then one past the end of the last line's
// line feed (or where it would be); nothing for an empty text.
template<typename View>
std::vector<quint32> lineStarts(View text)
{
    std::vector<quint32> starts;
    qsizetype start = 0;
    while (start < text.size()) {
        starts.push_back(quint32(start));
        const qsizetype end = text.indexOf('\n', start);
        start = (end < 0 ? text.size() : end) + 1;
    }
    if (start > 0)
        starts.push_back(quint32(start));
    starts.shrink_to_fit();
    return starts;
}

// Line number of text without its line end; starts as lineStarts gives them.
template<typename View, typename Starts>
View lineOf(View text, const Starts &starts, qsizetype number)
{
    const qsizetype start = starts[number];
    // The next line starts after this one's line feed; the last line without
    // one ends a unit early, as if the text had it.
    qsizetype end = starts[number + 1] - 1;
    if (end > start && text.at(end - 1) == '\r')
        --end;
    return text.sliced(start, end - start);
}

} // namespace

CodeList::CodeList(const QString &text, qsizetype textLength)
    : m_textLength(textLength)
{
    // The index is built on the decoded text; the lines are kept as UTF-8.
    const QStringView whole(text);
    const std::vector<quint32> starts = lineStarts(whole);
    std::vector<PlacedRun> runs;
    const qsizetype lines = starts.empty() ? 0 : qsizetype(starts.size()) - 1;
    for (qsizetype number = 0; number < lines; ++number) {
        const QStringView line = lineOf(whole, starts, number);
        const qsizetype lineStart = starts[std::size_t(number)];
        for (qsizetype start = 0; start < line.size(); ++start) {
            if (!AnsiCode::isDoubleByte(line.at(start)))
                continue;
            const qsizetype end = start + Characters::offsetAfter(line.mid(start), textLength);
            // A double-byte character is a single unit, never half a pair, so
            // the unit before the end is the run's whole last character.
            const QStringView run = line.sliced(start, end - start);
            if (Characters::count(run) == textLength && AnsiCode::isDoubleByte(line.at(end - 1)))
                runs.push_back({hashOf(run), quint32(number), quint32(lineStart + start), quint32(run.size())});
        }
    }

    // Sorting by bucket first, keeping line order, leaves each bucket's runs
    // few enough to sort on their own.
    m_buckets.assign(runs.size() / RunsPerBucket + 2, 0);
    for (const PlacedRun &run : runs)
        ++m_buckets[bucketOf(run.hash) + 1];
    std::partial_sum(m_buckets.begin(), m_buckets.end(), m_buckets.begin());
    std::vector<PlacedRun> sorted(runs.size());
    {
        std::vector<quint32> next(m_buckets.begin(), m_buckets.end() - 1);
        for (const PlacedRun &run : runs)
            sorted[next[bucketOf(run.hash)]++] = run;
    }
    runs = {};

    // Within a bucket, runs of one hash are adjacent with the lowest line
    // first; a run already seen among them is dropped, so each run keeps its
    // first line.
    m_runLines.reserve(sorted.size());
    for (std::size_t bucket = 0; bucket + 1 < m_buckets.size(); ++bucket) {
        const auto first = sorted.begin() + m_buckets[bucket];
        const auto last = sorted.begin() + m_buckets[bucket + 1];
        std::stable_sort(first, last, [](const PlacedRun &a, const PlacedRun &b) { return a.hash < b.hash; });
        m_buckets[bucket] = quint32(m_runLines.size());
        for (auto run = first; run != last; ++run) {
            const QStringView text = whole.sliced(run->start, run->size);
            bool seen = false;
            for (auto earlier = run; !seen && earlier != first && (earlier - 1)->hash == run->hash; --earlier)
                seen = whole.sliced((earlier - 1)->start, (earlier - 1)->size) == text;
            if (!seen)
                m_runLines.push_back(run->line);
        }
    }
    m_buckets.back() = quint32(m_runLines.size());
    m_runLines.shrink_to_fit();

    m_text = text.toUtf8();
    // The encoder sizes its output for the worst case, over twice what the
    // code lists need.
    m_text.squeeze();
    m_starts = RisingOffsets(lineStarts(QByteArrayView(m_text)));
}

QString CodeList::line(qsizetype number) const
{
    return QString::fromUtf8(lineOf(QByteArrayView(m_text), m_starts, number));
}

quint32 CodeList::hashOf(QStringView run)
{
    // FNV-1a over the UTF-16 units, then a multiply that carries every bit
    // into the high ones, which pick the bucket. Runs of a few characters
    // hash far faster this way than with Qt's general string hash.
    quint64 hash = 0xcbf29ce484222325ULL;
    for (const QChar c : run)
        hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
    return quint32((hash * 0x9e3779b97f4a7c15ULL) >> 32);
}

QStringList CodeList::lines() const
{
    QStringList lines;
    lines.reserve(lineCount());
    for (qsizetype number = 0; number < lineCount(); ++number)
        lines.append(line(number));
    return lines;
}

qsizetype CodeList::firstLineContaining(QStringView text) const
{
    if (m_runLines.empty() || text.isEmpty() || !AnsiCode::isDoubleByte(text.front())
        || !AnsiCode::isDoubleByte(text.back()) || Characters::count(text) != m_textLength)
        return -1;
    // The text's runs are in its bucket, with the first line holding it; a
    // run of another text whose line happens to hold this one too is never
    // before a lower line that holds it, so the lowest matching line is the
    // answer.
    const std::size_t bucket = bucketOf(hashOf(text));
    // The lines hold whole surrogate pairs only, and valid UTF-16 is in a
    // line exactly when its UTF-8 is in the line's UTF-8.
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at).isSurrogate()
            && !(text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(++at).isLowSurrogate()))
            return -1;
    }
    const QByteArray key = text.toUtf8();
    qsizetype first = -1;
    for (quint32 at = m_buckets[bucket]; at < m_buckets[bucket + 1]; ++at) {
        const qsizetype number = m_runLines[at];
        if ((first < 0 || number < first) && lineOf(QByteArrayView(m_text), m_starts, number).contains(key))
            first = number;
    }
    return first;
}
