// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/PlainText.h"

#include "core/platform/TextCodec.h"

namespace {

// Only spaces are cut, as the line trimming of the practice files always
// did; tabs and ideographic spaces stay part of the text.
QStringView trimSpaces(QStringView line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && line.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && line.at(end - 1) == QLatin1Char(' '))
        --end;
    return line.mid(start, end - start);
}

} // namespace

QString ReadPlainText(const QString &path)
{
    const std::optional<QStringList> lines = TextCodec::readLines(path);
    return lines ? JoinPlainLines(*lines) : QString();
}

QString JoinPlainLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        if (!line.isEmpty())
            text += trimSpaces(line);
    }
    return text;
}
