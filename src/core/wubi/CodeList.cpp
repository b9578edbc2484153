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

} // namespace

CodeList::CodeList(QString text, qsizetype textLength)
    : m_text(std::move(text))
    , m_textLength(textLength)
{
    // The decoder sizes its output for the worst case, over twice what the
    // code lists need.
    m_text.squeeze();
    qsizetype start = 0;
    while (start < m_text.size()) {
        m_starts.push_back(quint32(start));
        const qsizetype end = m_text.indexOf(u'\n', start);
        start = (end < 0 ? m_text.size() : end) + 1;
    }
    if (start > 0)
        m_starts.push_back(quint32(start));
    m_starts.shrink_to_fit();

    std::vector<PlacedRun> runs;
    for (qsizetype number = 0; number < lineCount(); ++number) {
        const QStringView line = this->line(number);
        const qsizetype lineStart = m_starts[std::size_t(number)];
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
    m_runs.reserve(sorted.size());
    for (std::size_t bucket = 0; bucket + 1 < m_buckets.size(); ++bucket) {
        const auto first = sorted.begin() + m_buckets[bucket];
        const auto last = sorted.begin() + m_buckets[bucket + 1];
        std::stable_sort(first, last, [](const PlacedRun &a, const PlacedRun &b) { return a.hash < b.hash; });
        m_buckets[bucket] = quint32(m_runs.size());
        for (auto run = first; run != last; ++run) {
            const QStringView text = QStringView(m_text).sliced(run->start, run->size);
            bool seen = false;
            for (auto earlier = run; !seen && earlier != first && (earlier - 1)->hash == run->hash; --earlier)
                seen = QStringView(m_text).sliced((earlier - 1)->start, (earlier - 1)->size) == text;
            if (!seen)
                m_runs.push_back({run->hash, run->line});
        }
    }
    m_buckets.back() = quint32(m_runs.size());
    m_runs.shrink_to_fit();
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
        lines.append(line(number).toString());
    return lines;
}

qsizetype CodeList::firstLineContaining(QStringView text) const
{
    if (m_runs.empty() || text.isEmpty() || !AnsiCode::isDoubleByte(text.front())
        || !AnsiCode::isDoubleByte(text.back()) || Characters::count(text) != m_textLength)
        return -1;
    const quint32 hash = hashOf(text);
    const std::size_t bucket = bucketOf(hash);
    // Runs of one hash are in line order, so the first whose line holds the
    // text has the first line of all.
    for (quint32 at = m_buckets[bucket]; at < m_buckets[bucket + 1]; ++at) {
        const Run &run = m_runs[at];
        if (run.hash == hash && line(run.line).contains(text))
            return run.line;
    }
    return -1;
}
