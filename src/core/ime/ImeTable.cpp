// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeTable.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QByteArrayView header = "# qintara ime table 1";
constexpr qsizetype maxTableBytes = 64 * 1024 * 1024;

bool isCode(QByteArrayView code)
{
    return !code.isEmpty() && code.size() <= 255
           && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The first of [first, last) for which isBefore is false; isBefore must be
// true for a leading part of the range only.
template<typename Predicate>
qsizetype partitionPoint(qsizetype first, qsizetype last, Predicate isBefore)
{
    while (first < last) {
        const qsizetype middle = first + (last - first) / 2;
        if (isBefore(middle))
            first = middle + 1;
        else
            last = middle;
    }
    return first;
}

} // namespace

std::optional<ImeTable> ImeTable::fromBytes(QByteArray bytes, QString *error)
{
    return parse(bytes, error);
}

std::optional<ImeTable> ImeTable::parse(QByteArrayView all, QString *error)
{
    const auto fail = [error](qsizetype line, const QString &why) -> std::optional<ImeTable> {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    if (all.size() > maxTableBytes)
        return fail(0, QStringLiteral("the table is too large"));
    ImeTable table;
    const std::size_t lines = std::size_t(std::count(all.begin(), all.end(), '\n')) + 1;
    std::vector<quint32> codeStarts;
    std::vector<quint32> textStarts;
    codeStarts.reserve(lines + 1);
    textStarts.reserve(lines + 1);
    table.m_weights.reserve(lines);
    // Neither the codes nor the texts can take more room than the whole table.
    table.m_codes.reserve(all.size());
    table.m_texts.resize(all.size());
    QChar *textEnd = table.m_texts.data();
    // Each text on its own, so a broken sequence stays in its entry; UTF-16
    // never takes more units than UTF-8 takes bytes.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
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
            codeStarts.push_back(quint32(table.m_codes.size()));
            textStarts.push_back(quint32(textEnd - table.m_texts.constData()));
            table.m_codes.append(code);
            textEnd = decoder.appendToBuffer(textEnd, text);
            table.m_weights.push_back(quint32(std::min<quint64>(weight, 0xffffffffu)));
        }
        start = end + 1;
    }
    if (number == 0)
        return fail(1, QStringLiteral("not an input-method table"));
    table.m_texts.truncate(textEnd - table.m_texts.constData());
    table.m_texts.squeeze();
    table.m_codes.squeeze();
    codeStarts.push_back(quint32(table.m_codes.size()));
    textStarts.push_back(quint32(table.m_texts.size()));
    table.m_codeStarts = RisingOffsets(codeStarts);
    table.m_textStarts = RisingOffsets(textStarts);
    return table;
}

std::optional<ImeTable> ImeTable::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > maxTableBytes) {
        if (error)
            *error = QStringLiteral("the table is too large");
        return std::nullopt;
    }
    // Read through a mapping where there is one, so the file's bytes are
    // never copied; the mapping goes with the file once the table is made.
    if (const uchar *mapped = file.map(0, file.size()))
        return parse(QByteArrayView(reinterpret_cast<const char *>(mapped), file.size()), error);
    return parse(file.readAll(), error);
}

QByteArrayView ImeTable::codeAt(qsizetype index) const
{
    const auto [start, end] = m_codeStarts.spanAt(index);
    return QByteArrayView(m_codes).sliced(start, end - start);
}

QStringView ImeTable::textAt(qsizetype index) const
{
    const auto [start, end] = m_textStarts.spanAt(index);
    return QStringView(m_texts).sliced(start, end - start);
}

ImeTable::Entry ImeTable::entry(qsizetype index) const
{
    return {codeAt(index), textAt(index).toString(), weightAt(index)};
}

std::pair<qsizetype, qsizetype> ImeTable::exact(QByteArrayView code) const
{
    const qsizetype first = partitionPoint(0, size(), [&](qsizetype line) { return codeAt(line) < code; });
    const qsizetype last = partitionPoint(first, size(), [&](qsizetype line) { return !(code < codeAt(line)); });
    return {first, last};
}

std::pair<qsizetype, qsizetype> ImeTable::startingWith(QByteArrayView prefix) const
{
    const qsizetype first = partitionPoint(0, size(), [&](qsizetype line) { return codeAt(line) < prefix; });
    const qsizetype last =
        partitionPoint(first, size(), [&](qsizetype line) { return codeAt(line).startsWith(prefix); });
    return {first, last};
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
        if (codeAt(line).size() > prefix.size())
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
    if (m_byText.size() != m_weights.size()) {
        m_byText.resize(m_weights.size());
        for (std::size_t i = 0; i < m_weights.size(); ++i)
            m_byText[i] = quint32(i);
        // Stable, so a text's entries keep the table's order: by code.
        std::stable_sort(m_byText.begin(), m_byText.end(),
                         [this](quint32 a, quint32 b) { return textAt(a) < textAt(b); });
    }
    const QStringView key(text);
    const auto [first, last] = std::equal_range(
        m_byText.begin(), m_byText.end(), key,
        [this](const auto &a, const auto &b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, quint32>)
                return textAt(a) < b;
            else
                return a < textAt(b);
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
