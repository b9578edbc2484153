// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/MeaningList.h"

#include "core/platform/TextCodec.h"

#include <QDir>

#include <array>

namespace {

constexpr std::array<QStringView, 6> listFiles = {
    u"\\English\\word\\新版小学英语.txt",
    u"\\English\\word\\新版初中英语.txt",
    u"\\English\\word\\新版高中英语.txt",
    u"\\English\\word\\托福600分单词.txt",
    u"\\English\\word\\大学英语1－4级词汇.txt",
    u"\\English\\word\\大学英语5－6级词汇.txt",
};

} // namespace

MeaningList::MeaningList(const ProgramFolder &programFolder)
    : m_programFolder(programFolder)
{
}

bool MeaningList::LoadMeaningList(QString *error)
{
    if (!m_lines.isEmpty())
        return true;

    bool complete = true;
    for (const QStringView file : listFiles) {
        const QString path = m_programFolder.path(file.toString());
        QString reason;
        std::optional<QStringList> lines = TextCodec::readLines(path, &reason);
        if (!lines) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
            complete = false;
            break;
        }
        m_lines += *lines;
    }

    m_firstLine.reserve(m_lines.size());
    for (qsizetype number = 0; number < m_lines.size(); ++number) {
        const QString &line = m_lines.at(number);
        const qsizetype cut = line.indexOf(QLatin1Char('#'));
        // An empty word is never looked up, so "#..." lines need no entry.
        if (cut <= 0)
            continue;
        const QString key = QStringView(line).left(cut).toString().toCaseFolded();
        // A word met again in a later line keeps its first line, as a scan
        // from the top would.
        if (!m_firstLine.contains(key))
            m_firstLine.insert(key, number);
    }
    return complete;
}

QString MeaningList::FindMeaning(const QString &word) const
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty())
        return {};
    const auto found = m_firstLine.constFind(trimmed.toCaseFolded());
    if (found == m_firstLine.constEnd())
        return QStringLiteral("【") + trimmed + QStringLiteral("】未找到该单词解释!");
    const QString &line = m_lines.at(*found);
    return QStringLiteral("【") + trimmed + QStringLiteral("】 解释：")
           + line.mid(line.indexOf(QLatin1Char('#')) + 1);
}
