// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/results/FinishedExercise.h"
#include "core/results/GradeRecord.h"
#include "core/results/ResultFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

class RandomSource;

// The save dialog frmsavelog without its window: what it shows when an
// article exercise ends, and the save button that appends the exercise's
// record to the user's result file and writes or retires the
// wrong-character practice file. One model per dialog; it saves at most one
// record.
class SaveLogModel
{
public:
    enum class Result {
        Saved,        // record appended; the wrong-character file done as asked
        SavedInPart,  // record appended, but the wrong-character file work failed
        Failed,       // nothing saved; saving may be tried again
        AlreadySaved, // this dialog has saved its record; nothing done
    };

    struct Outcome
    {
        Result result = Result::Failed;
        QString message; // for the message box titled MessageTitle; empty for AlreadySaved
    };

    static const QString SavedMessage; // "数据保存成功 ！"
    static const QString MessageTitle; // "提示"

    // Opening the dialog: the language test of the practised text picks the
    // result file ("\Egrade.dat" or "\Cgrade.dat" in the user folder, given
    // without a trailing separator), which is created empty when missing, so
    // that it exists even if nothing is saved; the date shown is today's.
    SaveLogModel(const QString &userFolder, const FinishedExercise &exercise, RandomSource &random,
                 const QDate &today);

    Language language() const { return m_language; }
    const ResultFile &resultFile() const { return m_resultFile; }
    // Why the result file could not be created on opening; empty when it is there.
    QString openError() const { return m_openError; }

    // The captions of the left column and the values of the right column, in
    // the same order: date, practice time and the five figures.
    static QStringList captions();
    QStringList values() const;
    // The built-in input's keystroke figures, shown under the others but not
    // part of the record; empty when it did not type.
    QString keystrokes() const { return m_exercise.keystrokes; }

    // "创建错字练习文件" can be ticked only when there were wrong characters
    // and the exercise has an article title to name the file after.
    bool isWrongCharacterBoxEnabled() const;
    bool isSaveEnabled() const { return !m_saved; }

    // The record the save button writes on the given day.
    GradeRecord record(const QDate &day) const;

    // The save button: appends record(today). Then, with no wrong characters,
    // retires the article's wrong-character file; with the box ticked (and
    // enabled), writes it afresh. An unticked box with wrong characters
    // leaves an existing file alone. When the record cannot be appended
    // nothing else is done and the outcome says why, never SavedMessage.
    Outcome save(const QDate &today, bool wrongCharacterBoxTicked);

    // The folder under "错字练习" that the wrong-character file goes to: the
    // article's category folder, or the folder of the exercise's language
    // when no article was chosen in this run, so the file lands where the
    // article chooser lists it.
    QString wrongCharacterFolder() const;

private:
    QString m_userFolder;
    FinishedExercise m_exercise;
    Language m_language;
    ResultFile m_resultFile;
    QString m_openError;
    QDate m_shownDate;
    bool m_saved = false;
};
