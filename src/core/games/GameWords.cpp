// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/GameWords.h"

#include "core/material/DrillLine.h"
#include "core/material/RandomSource.h"
#include "core/wubi/CodeTable.h"

namespace {

QString wordOf(QStringView line)
{
    const std::optional<DrillLine> split = SplitDrillLine(DrillLine::Phrase, line);
    return split ? split->target : QString();
}

// The lists of `P3Text` 0 to 3 as the settings dialog names them.
QString listName(qint16 wordList)
{
    static const std::array<QString, 4> names = {QStringLiteral("单字"), QStringLiteral("二字词组"),
                                                 QStringLiteral("三字词组"), QStringLiteral("四字词组")};
    return names[std::size_t(wordList)];
}

} // namespace

GameWords::GameWords(CodeTable &codeTable, RandomSource &random) : m_codeTable(codeTable), m_random(random) {}

bool GameWords::load(const QString &inputMeans, QString *error)
{
    return m_codeTable.LoadCodeTable(inputMeans, error);
}

std::optional<QString> GameWords::RandomGameWord(qint16 wordList)
{
    if (wordList < 0 || wordList > 3)
        return std::nullopt;
    const qsizetype textLength = wordList + 1;
    const QList<qsizetype> &lines = wordLines(textLength);
    if (lines.isEmpty())
        return std::nullopt;
    const qsizetype line = lines[m_random.below(int(lines.size()))];
    return wordOf(m_codeTable.list(textLength).line(line));
}

const QList<qsizetype> &GameWords::wordLines(qsizetype textLength)
{
    const CodeList &list = m_codeTable.list(textLength);
    if (list.block().constData() == m_indexedBlock.constData() && list.block().size() == m_indexedBlock.size())
        return m_wordLines;
    m_indexedBlock = list.block();
    m_wordLines.clear();
    for (qsizetype i = 0; i < list.lineCount(); ++i) {
        if (!wordOf(list.line(i)).trimmed().isEmpty())
            m_wordLines.append(i);
    }
    return m_wordLines;
}

QString GameWords::noWordText(qint16 wordList, const QString &inputMeans, const QString &loadError)
{
    if (wordList < 0 || wordList > 3) {
        return QStringLiteral("打字精英的练习内容设置（%1）无效，没有词语可出。请在系统设置的“打字精英”页重新选择练习内容。")
            .arg(wordList);
    }
    QString text = QStringLiteral("输入法“%1”的%2编码文件缺少或没有可用的词语，打字精英无法出题。")
                       .arg(inputMeans, listName(wordList));
    if (!loadError.isEmpty())
        text += u'\n' + loadError;
    return text;
}
