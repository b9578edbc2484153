// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeTable.h"

#include <QFile>

#include <algorithm>

namespace {

const QByteArrayView header = "# qintara ime table 1";
constexpr qsizetype maxTableBytes = 64 * 1024 * 1024;

bool isCode(QByteArrayView code)
{
    return !code.isEmpty() && code.size() <= 255
           && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

} // namespace

std::optional<ImeTable> ImeTable::fromBytes(QByteArray bytes, QString *error)
{
    const auto fail = [error](qsizetype line, const QString &why) -> std::optional<ImeTable> {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    if (bytes.size() > maxTableBytes)
        return fail(0, QStringLiteral("the table is too large"));
    ImeTable table;
    table.m_bytes = std::move(bytes);
    const QByteArrayView all(table.m_bytes);
    table.m_lines.reserve(std::size_t(std::count(all.begin(), all.end(), '\n')) + 1);
    qsizetype start = 0;
    qsizetype number = 0;
    QByteArrayView previousCode;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        const QByteArrayView line = all.sliced(start, end - start);
        ++number;
        if (number == 1) {
            if (line != header)
                return fail(number, QStringLiteral("not an input-method table"));
        } else if (!line.isEmpty()) {
            const qsizetype tab1 = line.indexOf('\t');
            const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf('\t', tab1 + 1);
            if (tab2 < 0)
                return fail(number, QStringLiteral("expected code, text and weight"));
            const QByteArrayView code = line.first(tab1);
            const QByteArrayView text = line.sliced(tab1 + 1, tab2 - tab1 - 1);
            bool numeric = false;
            const quint64 weight = line.sliced(tab2 + 1).toULongLong(&numeric);
            if (!isCode(code) || text.isEmpty() || text.size() > 255 || !numeric)
                return fail(number, QStringLiteral("bad entry"));
            if (code < previousCode)
                return fail(number, QStringLiteral("codes out of order"));
            previousCode = code;
            Line entry{};
            qToUnaligned(quint32(start), entry.offset.data());
            qToUnaligned(quint32(std::min<quint64>(weight, 0xffffffffu)), entry.weight.data());
            entry.codeLength = quint8(code.size());
            table.m_lines.push_back(entry);
        }
        start = end + 1;
    }
    if (number == 0)
        return fail(1, QStringLiteral("not an input-method table"));
    return table;
}

std::optional<ImeTable> ImeTable::load(const QString &path, QString *error)
{
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        if (error)
            *error = file->errorString();
        return std::nullopt;
    }
    if (file->size() > maxTableBytes) {
        if (error)
            *error = QStringLiteral("the table is too large");
        return std::nullopt;
    }
    // Mapped, the table's pages are the file's: shared with the page cache
    // and dropped under memory pressure instead of swapped.
    const uchar *mapped = file->map(0, file->size());
    if (!mapped)
        return fromBytes(file->readAll(), error);
    std::optional<ImeTable> table =
        fromBytes(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file->size()), error);
    if (table)
        table->m_file = std::move(file);
    return table;
}

QByteArrayView ImeTable::codeOf(const Line &line) const
{
    return QByteArrayView(m_bytes).sliced(line.offsetValue(), line.codeLength);
}

QByteArrayView ImeTable::codeAt(qsizetype index) const
{
    return codeOf(m_lines[std::size_t(index)]);
}

QByteArrayView ImeTable::textBytes(qsizetype index) const
{
    const Line &line = m_lines[std::size_t(index)];
    const QByteArrayView rest = QByteArrayView(m_bytes).sliced(line.offsetValue() + line.codeLength + 1);
    return rest.first(rest.indexOf('\t'));
}

ImeTable::Entry ImeTable::entry(qsizetype index) const
{
    return {codeAt(index), QString::fromUtf8(textBytes(index)), weightAt(index)};
}

std::pair<qsizetype, qsizetype> ImeTable::exact(QByteArrayView code) const
{
    const auto less = [this](const Line &line, QByteArrayView key) { return codeOf(line) < key; };
    const auto greater = [this](QByteArrayView key, const Line &line) { return key < codeOf(line); };
    const auto first = std::lower_bound(m_lines.begin(), m_lines.end(), code, less);
    const auto last = std::upper_bound(first, m_lines.end(), code, greater);
    return {first - m_lines.begin(), last - m_lines.begin()};
}

std::pair<qsizetype, qsizetype> ImeTable::startingWith(QByteArrayView prefix) const
{
    const auto less = [this](const Line &line, QByteArrayView key) { return codeOf(line) < key; };
    const auto first = std::lower_bound(m_lines.begin(), m_lines.end(), prefix, less);
    const auto last = std::partition_point(
        first, m_lines.end(), [&](const Line &line) { return codeOf(line).startsWith(prefix); });
    return {first - m_lines.begin(), last - m_lines.begin()};
}

void ImeTable::keepHeaviest(std::vector<qsizetype> &lines, qsizetype limit) const
{
    const auto heavier = [this](qsizetype a, qsizetype b) {
        const quint32 wa = weightAt(a);
        const quint32 wb = weightAt(b);
        return wa != wb ? wa > wb : a < b;
    };
    const std::size_t keep = std::min(lines.size(), std::size_t(std::max<qsizetype>(0, limit)));
    std::partial_sort(lines.begin(), lines.begin() + std::ptrdiff_t(keep), lines.end(), heavier);
    lines.resize(keep);
}

std::vector<qsizetype> ImeTable::heaviestLonger(QByteArrayView prefix, qsizetype limit) const
{
    // Answers worth keeping: many lines to sort, and room for any page a list shows.
    constexpr qsizetype manyLines = 512;
    constexpr qsizetype kept = 128;
    const auto [first, last] = startingWith(prefix);
    const bool keep = last - first > manyLines && limit <= kept;
    if (keep) {
        const auto found = m_heaviestLonger.constFind(prefix.toByteArray());
        if (found != m_heaviestLonger.cend())
            return {found->begin(), found->begin() + std::min<qsizetype>(limit, qsizetype(found->size()))};
    }
    std::vector<qsizetype> lines;
    lines.reserve(std::size_t(last - first));
    for (qsizetype line = first; line < last; ++line) {
        if (m_lines[std::size_t(line)].codeLength > prefix.size())
            lines.push_back(line);
    }
    if (!keep) {
        keepHeaviest(lines, limit);
        return lines;
    }
    keepHeaviest(lines, kept);
    const std::vector<qsizetype> &stored = *m_heaviestLonger.insert(prefix.toByteArray(), lines);
    return {stored.begin(), stored.begin() + std::min<qsizetype>(limit, qsizetype(stored.size()))};
}

std::pair<qsizetype, qsizetype> ImeTable::entriesOf(const QString &text) const
{
    if (m_byText.size() != m_lines.size()) {
        m_byText.resize(m_lines.size());
        for (std::size_t i = 0; i < m_lines.size(); ++i)
            m_byText[i] = quint32(i);
        // Stable, so a text's entries keep the table's order: by code.
        std::stable_sort(m_byText.begin(), m_byText.end(),
                         [this](quint32 a, quint32 b) { return textBytes(a) < textBytes(b); });
    }
    const QByteArray key = text.toUtf8();
    const auto [first, last] = std::equal_range(
        m_byText.begin(), m_byText.end(), QByteArrayView(key),
        [this](const auto &a, const auto &b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, quint32>)
                return textBytes(a) < b;
            else
                return a < textBytes(b);
        });
    return {first - m_byText.begin(), last - m_byText.begin()};
}

QByteArray ImeTable::shortestCode(const QString &text) const
{
    const auto [first, last] = entriesOf(text);
    QByteArrayView best;
    quint32 bestWeight = 0;
    for (qsizetype i = first; i < last; ++i) {
        const qsizetype line = m_byText[std::size_t(i)];
        const QByteArrayView code = codeAt(line);
        const quint32 weight = weightAt(line);
        if (best.isNull() || code.size() < best.size() || (code.size() == best.size() && weight > bestWeight)) {
            best = code;
            bestWeight = weight;
        }
    }
    return best.toByteArray();
}

QByteArray ImeTable::longestCode(const QString &text) const
{
    const auto [first, last] = entriesOf(text);
    QByteArrayView best;
    for (qsizetype i = first; i < last; ++i) {
        const QByteArrayView code = codeAt(m_byText[std::size_t(i)]);
        if (code.size() > best.size())
            best = code;
    }
    return best.toByteArray();
}
