// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/FinishedExercise.h"

#include "core/practice/Exercise.h"

FinishedExercise FinishedExercise::of(const Exercise &exercise, const QString &articleTitle,
                                      const QString &categoryFolder)
{
    const ExerciseLabels labels = exercise.labels();
    FinishedExercise finished;
    finished.elapsedTime = exercise.elapsedTimeText();
    finished.inputCount = labels.Lab_zishu;
    finished.averageSpeed = labels.Lab_zimefen;
    finished.correctCount = labels.Lab_zhenquizishu;
    finished.wrongCount = labels.Lab_chuowuzishu;
    finished.accuracy = labels.Lab_zhengquilluei;
    finished.practisedText = exercise.practisedText();
    finished.wrongCharacters = exercise.wrongCharacters();
    finished.articleTitle = articleTitle;
    finished.categoryFolder = categoryFolder;
    return finished;
}
