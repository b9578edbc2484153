// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CodeTable;
class RandomSource;

// `RandomGameWord`: the words of the shooting game, drawn from the code
// lists of the input method. `P3Text` picks the list: 0 the characters, 1 to
// 3 the two- to four-character phrases. Each word is the text of a line
// before its code (the phrase-line format of the drills).
//
// Lines whose text is empty or blank (nothing could be typed to match it)
// are never drawn; every other line is as likely as the next, as when a draw
// that met an empty line drew again. A list with no word gives none instead
// of drawing for ever.
class GameWords
{
public:
    // Both must outlive the words.
    GameWords(CodeTable &codeTable, RandomSource &random);

    // Loads the code lists of inputMeans unless they are loaded already;
    // false with *error when a file could not be read.
    bool load(const QString &inputMeans, QString *error = nullptr);

    // A random word of the list wordList (`P3Text`); nullopt when wordList is
    // outside 0 to 3 or its list holds no word.
    std::optional<QString> RandomGameWord(qint16 wordList);

    // Why RandomGameWord gave no word, for the player: names the setting or
    // the list and the input method.
    static QString noWordText(qint16 wordList, const QString &inputMeans, const QString &loadError);

private:
    // The numbers of the lines with a word, for the list last drawn from; a
    // list read anew (a change of input method) is a different list.
    const QList<qsizetype> &wordLines(qsizetype textLength);

    CodeTable &m_codeTable;
    RandomSource &m_random;
    // A shared copy of the block of the list indexed: while it is held, a list
    // read anew cannot take the same storage, so comparing storage tells them
    // apart.
    QByteArray m_indexedBlock;
    QList<qsizetype> m_wordLines;
};
