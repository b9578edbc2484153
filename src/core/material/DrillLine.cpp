// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillLine.h"

std::optional<DrillLine> SplitDrillLine(DrillLine::Format format, QStringView line)
{
    qsizetype cut = -1;
    qsizetype hintStart = 0;
    if (format == DrillLine::Hash) {
        cut = line.indexOf(QLatin1Char('#'));
        if (cut < 0)
            return std::nullopt;
        hintStart = cut + 1;
    } else {
        cut = line.size();
        for (qsizetype i = 0; i < line.size(); ++i) {
            const char16_t c = line.at(i).unicode();
            if (c >= 33 && c <= 126) {
                cut = i;
                break;
            }
        }
        hintStart = cut;
    }
    return DrillLine { line.left(cut).toString(), line.mid(hintStart).toString() };
}
