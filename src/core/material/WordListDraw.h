// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/DrillLine.h"

#include <QString>

class RandomSource;

// One entry drawn at random from a word, number-word or phrase file, the
// file part of read_text. The file is read anew for every draw, so a list
// edited or deleted while the drill runs is noticed at the next word.
struct WordListDraw
{
    enum class Status {
        Drawn,      // line holds the entry
        NoData,     // the file has no line with text: offer to delete it
        Unreadable, // the file is missing or cannot be read: keep the previous word
        NoHash,     // the drawn line of a "#" file has no "#": keep the previous word
    };

    Status status = Status::Unreadable;
    DrillLine line;

    // Reads path, draws one of its non-empty lines, each as likely as the
    // others, and splits it in the given format.
    static WordListDraw draw(const QString &path, DrillLine::Format format, RandomSource &random);
};
