// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/RadicalAnalysis.h"

#include "core/wubi/RadicalGrid.h"
#include "core/wubi/RadicalNames.h"
#include "core/wubi/RadicalTable.h"

#include <QList>
#include <QStringList>

namespace {

constexpr RadicalAnalysis::Cells NoCells{-1, -1, -1, -1};

// The radical of one picture: which character of the phrase, which of its
// pairs.
struct Slot
{
    int character;
    int pair;
};
using Rule = std::array<Slot, RadicalAnalysis::PictureCount>;

// The Wubi phrase rules, for the phrase lengths 2, 3, 4 and more; -1 stands
// for the last character.
constexpr Rule TwoCharacters{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
constexpr Rule ThreeCharacters{{{0, 0}, {1, 0}, {2, 0}, {2, 1}}};
constexpr Rule FourCharacters{{{0, 0}, {1, 0}, {2, 0}, {3, 0}}};
constexpr Rule MoreCharacters{{{0, 0}, {1, 0}, {2, 0}, {-1, 0}}};

// The cell of pair n of a code string, -1 when the code has no radical there
// (it is shorter, or holds an identification or first-level key letter).
int pairCell(const QString &code, int n)
{
    return RadicalGrid::cellOf(QStringView(code).mid(2 * n, 2));
}

RadicalAnalysis::Cells firstPairs(const QString &code, int count)
{
    RadicalAnalysis::Cells cells = NoCells;
    for (int n = 0; n < count; ++n)
        cells[n] = pairCell(code, n);
    return cells;
}

// A character outside the Basic Multilingual Plane stays one character.
QList<QStringView> charactersOf(QStringView text)
{
    QList<QStringView> characters;
    for (qsizetype at = 0; at < text.size();) {
        const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size()
                          && text.at(at + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        characters.append(text.sliced(at, length));
        at += length;
    }
    return characters;
}

} // namespace

RadicalAnalysis::RadicalAnalysis(QString message, bool messageChanged, const Cells &cells)
    : m_message(std::move(message))
    , m_messageChanged(messageChanged)
    , m_cells(cells)
{
}

RadicalAnalysis RadicalAnalysis::analyse(const RadicalTable &table, QStringView text, const QString &shown)
{
    const QList<QStringView> characters = charactersOf(text);
    if (characters.isEmpty())
        return RadicalAnalysis(shown, false, NoCells);

    if (characters.size() == 1) {
        const QString code = table.FindRadicalCode(characters.front(), true);
        const QString itself = characters.front().toString();
        switch (code.size()) {
        case 0:
            return RadicalAnalysis(QStringLiteral("未找到该字！"), true, NoCells);
        case 1:
            return RadicalAnalysis(QStringLiteral("该字为一级简码！"), true, NoCells);
        case 4:
            return RadicalAnalysis(QStringLiteral("该字为二级简码！"), true, firstPairs(code, 2));
        case 6:
            return RadicalAnalysis(QStringLiteral("该字为三级简码！"), true, firstPairs(code, 3));
        // Two or three radicals and an identification key: a full code, so
        // it is named like the four-radical ones.
        case 5:
            return RadicalAnalysis(itself, true, firstPairs(code, 2));
        case 7:
            return RadicalAnalysis(itself, true, firstPairs(code, 3));
        case 8:
            return RadicalAnalysis(itself, true, firstPairs(code, 4));
        default:
            return RadicalAnalysis(shown, false, NoCells);
        }
    }

    const qsizetype count = characters.size();
    const Rule &rule = count == 2   ? TwoCharacters
                       : count == 3 ? ThreeCharacters
                       : count == 4 ? FourCharacters
                                    : MoreCharacters;
    const QString message = count == 2   ? QStringLiteral("二字词组！")
                            : count == 3 ? QStringLiteral("三字词组！")
                            : count == 4 ? QStringLiteral("四字词组！")
                                         : QStringLiteral("多字词组！");
    // Each picture is filled from its own character's code, so a character
    // without radicals leaves its pictures empty instead of moving the next
    // character's radicals forward.
    Cells cells = NoCells;
    for (int picture = 0; picture < PictureCount; ++picture) {
        const Slot slot = rule[picture];
        const QStringView character = characters.at(slot.character < 0 ? count - 1 : slot.character);
        cells[picture] = pairCell(table.FindRadicalCode(character, false), slot.pair);
    }
    return RadicalAnalysis(message, true, cells);
}

QString RadicalAnalysis::spokenText() const
{
    QStringList names;
    for (int cell : m_cells) {
        const QString name = RadicalNames::nameOf(cell);
        if (!name.isEmpty())
            names.append(name);
    }
    if (names.isEmpty())
        return m_message;
    const QString separator = m_message.endsWith(u'！') ? QStringLiteral(" 字根：") : QStringLiteral("：");
    return m_message + separator + names.join(u' ');
}
