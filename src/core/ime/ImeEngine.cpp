// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeEngine.h"

#include <algorithm>
#include <vector>

namespace {

// Candidates kept for one composition: ten pages.
constexpr qsizetype maxCandidates = 10 * ImeEngine::PageSize;
// Letters a pinyin composition may hold.
constexpr qsizetype maxPinyinLetters = 40;
constexpr char16_t wildcard = u'z';

bool isLetter(QChar key)
{
    return key >= u'a' && key <= u'z';
}

bool isOneCharacter(const QString &text)
{
    return text.size() == 1 || (text.size() == 2 && text.at(0).isHighSurrogate());
}

} // namespace

ImeEngine::ImeEngine(const ImeTable &table, Method method)
    : m_table(table)
    , m_method(method)
{
}

void ImeEngine::reset()
{
    compose(QString());
}

int ImeEngine::pageCount() const
{
    return int((qsizetype(m_all.size()) + PageSize - 1) / PageSize);
}

QList<ImeEngine::Candidate> ImeEngine::candidates() const
{
    QList<Candidate> page;
    const std::size_t first = std::size_t(m_page) * PageSize;
    for (std::size_t i = first; i < m_all.size() && i < first + PageSize; ++i)
        page.append(candidate(m_all[i]));
    return page;
}

ImeEngine::Candidate ImeEngine::candidate(const Found &found) const
{
    const ImeTable::Entry entry = m_table.entry(found.line);
    return {entry.text, QString::fromLatin1(entry.code), found.consumed};
}

ImeEngine::Result ImeEngine::key(QChar key)
{
    if (isLetter(key)) {
        m_punctuation.typedDirectly(key);
        if (m_method == Method::Pinyin) {
            if (m_composition.size() < maxPinyinLetters)
                compose(m_composition + key);
            return {true, {}, {}, {}};
        }
        if (m_composition.size() == WubiCodeLength) {
            // A fifth letter: the first candidate goes, the letter starts the next code.
            Result result = m_all.empty() ? Result{true, {}, {}, {}} : commitCandidate(0);
            compose(QString(key));
            return result;
        }
        compose(m_composition + key);
        if (m_composition.size() == WubiCodeLength && namesOneCharacter())
            return commitCandidate(0);
        return {true, {}, {}, {}};
    }
    if (const QString mark = m_punctuation.of(key); !mark.isEmpty()) {
        // A punctuation key ends the composition with its first candidate.
        Result result = m_all.empty() ? Result{} : commitCandidate(0);
        reset();
        result.handled = true;
        result.punctuation = mark;
        return result;
    }
    if (!isComposing()) {
        m_punctuation.typedDirectly(key);
        return {false, {}, {}, {}};
    }

    switch (key.unicode()) {
    case u' ':
        return m_all.empty() ? Result{true, {}, {}, {}} : commitCandidate(0);
    case u'-':
        m_page = std::max(0, m_page - 1);
        return {true, {}, {}, {}};
    case u'=':
        m_page = std::min(pageCount() - 1, m_page + 1);
        return {true, {}, {}, {}};
    case u'\b':
        compose(m_composition.chopped(1));
        return {true, {}, {}, {}};
    case u'\x1b':
        reset();
        return {true, {}, {}, {}};
    case u'\r': {
        const QString letters = m_composition;
        reset();
        return {true, letters, letters, {}};
    }
    default:
        break;
    }
    if (key >= u'1' && key <= u'9') {
        const qsizetype index = qsizetype(m_page) * PageSize + (key.unicode() - u'1');
        return index < qsizetype(m_all.size()) ? commitCandidate(index) : Result{true, {}, {}, {}};
    }
    // Any other key ends the composition with its first candidate and goes on.
    Result result = m_all.empty() ? Result{} : commitCandidate(0);
    reset();
    result.handled = false;
    return result;
}

ImeEngine::Result ImeEngine::commitCandidate(qsizetype index)
{
    const Candidate chosen = candidate(m_all[std::size_t(index)]);
    Result result{true, chosen.text, m_composition.left(chosen.consumed), {}};
    compose(m_composition.mid(chosen.consumed));
    return result;
}

void ImeEngine::compose(const QString &letters)
{
    m_composition = letters;
    m_page = 0;
    m_all.clear();
    if (!m_composition.isEmpty())
        findCandidates();
}

void ImeEngine::findCandidates()
{
    if (m_method == Method::Pinyin)
        findPinyin();
    else if (m_composition.contains(wildcard))
        findWildcard();
    else
        findWubi();
}

void ImeEngine::appendLines(const std::vector<qsizetype> &lines, qsizetype consumed)
{
    for (qsizetype line : lines)
        m_all.push_back({line, consumed});
}

void ImeEngine::appendExact(QByteArrayView code)
{
    const auto [first, last] = m_table.exact(code);
    for (qsizetype line = first; line < last && qsizetype(m_all.size()) < maxCandidates; ++line)
        m_all.push_back({line, code.size()});
}

void ImeEngine::findWubi()
{
    const QByteArray code = m_composition.toLatin1();
    appendExact(code);
    // Shorter codes also offer what they begin, with its code to learn from.
    if (code.size() < WubiCodeLength)
        appendLines(m_table.heaviestLonger(code, maxCandidates - qsizetype(m_all.size())), code.size());
}

void ImeEngine::findWildcard()
{
    const QByteArray pattern = m_composition.toLatin1();
    const QByteArray prefix = pattern.left(pattern.indexOf(char(wildcard)));
    const auto range = prefix.isEmpty() ? std::pair<qsizetype, qsizetype>{0, m_table.size()}
                                        : m_table.startingWith(prefix);
    std::vector<qsizetype> lines;
    for (qsizetype line = range.first; line < range.second; ++line) {
        const QByteArrayView code = m_table.codeAt(line);
        if (code.size() != pattern.size())
            continue;
        bool matches = true;
        for (qsizetype i = prefix.size(); i < code.size() && matches; ++i)
            matches = pattern.at(i) == wildcard || pattern.at(i) == code.at(i);
        if (matches)
            lines.push_back(line);
    }
    m_table.keepHeaviest(lines, maxCandidates);
    appendLines(lines, pattern.size());
}

void ImeEngine::findPinyin()
{
    const QByteArray spelling = m_composition.toLatin1();
    appendExact(spelling);
    appendLines(m_table.heaviestLonger(spelling, maxCandidates - qsizetype(m_all.size())), spelling.size());
    // Nothing for the whole spelling: offer its longest leading part.
    for (qsizetype length = spelling.size() - 1; m_all.empty() && length > 0; --length)
        appendExact(QByteArrayView(spelling).first(length));
}

bool ImeEngine::namesOneCharacter() const
{
    qsizetype exact = 0;
    qsizetype characters = 0;
    const QByteArray code = m_composition.toLatin1();
    for (const Found &found : m_all) {
        if (m_table.codeAt(found.line) != code)
            continue;
        ++exact;
        if (isOneCharacter(m_table.entry(found.line).text))
            ++characters;
    }
    if (exact == 0)
        return false;
    return exact == 1 || (characters == 1 && isOneCharacter(m_table.entry(m_all.front().line).text));
}
