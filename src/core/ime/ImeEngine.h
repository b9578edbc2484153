// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/ime/ChinesePunctuation.h"
#include "core/ime/ImeTable.h"

#include <QList>
#include <QString>

#include <vector>

// The built-in input method: key letters make a composition, the table
// offers candidates for it, and keys commit one of them.
//
// Both methods: Space commits the first candidate, digits 1 to 9 the one of
// that number on the page shown, "-" and "=" turn the page, Backspace takes
// the last letter off the composition, Esc clears it, Enter commits the
// letters themselves. Any other key first commits the first candidate and
// then goes on as typed.
//
// Wubi: codes of one to four letters; "z" stands for any letter and each
// candidate then shows its code. The fourth letter commits at once when the
// code names a single character (the phrases sharing that code, such as
// 仰泳 beside 你 for "wqiy", are typed by their characters), and a fifth
// letter commits the first candidate and starts the next code.
//
// Pinyin: syllables typed without separators; the candidates are the texts
// of the whole spelling, then those it begins, heaviest first, then the
// texts of its longest leading part that has any: committing one of those
// leaves the rest of the letters in the composition.
class ImeEngine
{
public:
    enum class Method { Wubi, Pinyin };

    static constexpr int PageSize = 9;
    static constexpr int WubiCodeLength = 4;

    struct Candidate
    {
        QString text;
        QString code;          // the entry's whole code
        qsizetype consumed = 0; // letters of the composition it stands for
        bool operator==(const Candidate &) const = default;
    };

    // What a key did: handled keys go no further; an unhandled key goes on
    // to the box as typed, after the commit.
    struct Result
    {
        bool handled = false;
        QString commit;         // text for the box, "" if none
        QString committedCode;  // the letters the commit was typed with
        QString punctuation;    // Chinese punctuation entered after the commit
        bool operator==(const Result &) const = default;
    };

    // The table must outlive the engine.
    ImeEngine(const ImeTable &table, Method method);

    Method method() const { return m_method; }
    // A key as text: one character, or "\b" for Backspace, "\x1b" for Esc,
    // "\r" for Enter.
    Result key(QChar key);
    void reset();

    bool isComposing() const { return !m_composition.isEmpty(); }
    QString composition() const { return m_composition; }
    // The candidates of the page shown, at most PageSize.
    QList<Candidate> candidates() const;
    int page() const { return m_page; }
    int pageCount() const;
    // The composition names nothing: no candidate starts with its letters.
    bool isDeadEnd() const { return isComposing() && m_all.empty(); }

private:
    Result commitCandidate(qsizetype index);
    void compose(const QString &letters);
    void findCandidates();
    void findWubi();
    void findWildcard();
    void findPinyin();
    // Adds the entries of exactly this code, heaviest first.
    void appendExact(QByteArrayView code);
    void appendLines(const std::vector<qsizetype> &lines, qsizetype consumed);
    bool namesOneCharacter() const;

    // A candidate as found: its table line and the letters it stands for.
    struct Found
    {
        qsizetype line;
        qsizetype consumed;
    };
    Candidate candidate(const Found &found) const;

    const ImeTable &m_table;
    Method m_method;
    ChinesePunctuation m_punctuation;
    QString m_composition;
    std::vector<Found> m_all; // every page, made into candidates when shown
    int m_page = 0;
};
