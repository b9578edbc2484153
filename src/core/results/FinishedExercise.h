// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

class Exercise;

// What an article exercise leaves for the save dialog when it ends: the
// figures as the statistics bar shows them, and the article they belong to.
struct FinishedExercise
{
    QString elapsedTime;     // the practice time, "00:05:23"; a timed exercise's duration
    QString inputCount;      // Lab_zishu
    QString averageSpeed;    // Lab_zimefen
    QString correctCount;    // Lab_zhenquizishu
    QString wrongCount;      // Lab_chuowuzishu
    QString accuracy;        // Lab_zhengquilluei, "98.76%"
    QString practisedText;   // the text typed, for the language decision
    QString wrongCharacters; // the characters typed wrongly, in order
    QString articleTitle;    // the article's file name without its extension
    QString categoryFolder;  // "chinese\" or "english\"
    QString keystrokes;      // the built-in input's "击键/码长", "3.20/2.45"; empty when it did not type

    bool operator==(const FinishedExercise &) const = default;

    // The exercise's figures and texts as they stand now; the article title
    // and category folder come from the article chooser.
    static FinishedExercise of(const Exercise &exercise, const QString &articleTitle,
                               const QString &categoryFolder);
};
