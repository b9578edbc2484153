// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/WordListDraw.h"

#include "core/material/RandomSource.h"
#include "core/platform/TextCodec.h"

#include <QList>

WordListDraw WordListDraw::draw(const QString &path, DrillLine::Format format, RandomSource &random)
{
    WordListDraw result;
    const std::optional<QStringList> lines = TextCodec::readLines(path);
    if (!lines)
        return result;

    // Drawing among the lines with text gives every entry the chance the
    // redraw-while-empty loop gave it, with one draw, and cannot loop for
    // ever on a file of empty lines.
    QList<qsizetype> withText;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        if (!lines->at(i).isEmpty())
            withText.append(i);
    }
    if (withText.isEmpty()) {
        result.status = Status::NoData;
        return result;
    }
    const QString &drawn = lines->at(withText.at(random.below(int(withText.size()))));
    const std::optional<DrillLine> line = SplitDrillLine(format, drawn);
    if (!line) {
        result.status = Status::NoHash;
        return result;
    }
    result.status = Status::Drawn;
    result.line = *line;
    return result;
}
