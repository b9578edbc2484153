// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/SaveLogModel.h"

#include "core/material/LanguageTest.h"
#include "core/results/RecordDate.h"
#include "core/results/WrongCharacterFile.h"

const QString SaveLogModel::SavedMessage = QStringLiteral("数据保存成功 ！");
const QString SaveLogModel::MessageTitle = QStringLiteral("提示");

SaveLogModel::SaveLogModel(const QString &userFolder, const FinishedExercise &exercise,
                           RandomSource &random, const QDate &today)
    : m_userFolder(userFolder)
    , m_exercise(exercise)
    , m_language(LanguageTest::languageOf(exercise.practisedText, random))
    , m_resultFile(ResultFile::of(userFolder, m_language))
    , m_shownDate(today)
{
    m_resultFile.create(&m_openError);
}

QStringList SaveLogModel::captions()
{
    return {
        QStringLiteral("日　　期："), QStringLiteral("练习时间："), QStringLiteral("输入字数："),
        QStringLiteral("平均字数："), QStringLiteral("正确字数："), QStringLiteral("错误字数："),
        QStringLiteral("正 确 率："),
    };
}

QStringList SaveLogModel::values() const
{
    return {
        RecordDate::text(m_shownDate), m_exercise.elapsedTime,  m_exercise.inputCount,
        m_exercise.averageSpeed,       m_exercise.correctCount, m_exercise.wrongCount,
        m_exercise.accuracy,
    };
}

bool SaveLogModel::isWrongCharacterBoxEnabled() const
{
    // Without a title the file would be named ".lmf", which no list shows.
    return !m_exercise.wrongCharacters.isEmpty() && !m_exercise.articleTitle.isEmpty();
}

GradeRecord SaveLogModel::record(const QDate &day) const
{
    GradeRecord record;
    record.Date = GradeRecord::fieldText(RecordDate::text(day), GradeRecord::DateWidth);
    record.PracticeTime
        = GradeRecord::fieldText(m_exercise.elapsedTime, GradeRecord::PracticeTimeWidth);
    record.InputCount = GradeRecord::figure(m_exercise.inputCount);
    record.AverageSpeed = GradeRecord::figure(m_exercise.averageSpeed);
    record.CorrectCount = GradeRecord::figure(m_exercise.correctCount);
    record.WrongCount = GradeRecord::figure(m_exercise.wrongCount);
    record.Accuracy = GradeRecord::fieldText(m_exercise.accuracy, GradeRecord::AccuracyWidth);
    return record;
}

QString SaveLogModel::wrongCharacterFolder() const
{
    if (!m_exercise.categoryFolder.isEmpty())
        return m_exercise.categoryFolder;
    return m_language == Language::English ? QStringLiteral("english\\")
                                           : QStringLiteral("chinese\\");
}

SaveLogModel::Outcome SaveLogModel::save(const QDate &today, bool wrongCharacterBoxTicked)
{
    if (m_saved)
        return {Result::AlreadySaved, QString()};

    QString error;
    if (!m_resultFile.append(record(today), &error))
        return {Result::Failed, QStringLiteral("成绩没有保存：") + error};
    m_saved = true;

    const QString &title = m_exercise.articleTitle;
    bool done = true;
    if (title.isEmpty()) {
        // No article to name a file after: nothing to retire or write.
    } else if (m_exercise.wrongCharacters.isEmpty()) {
        done = WrongCharacterFile::retire(m_userFolder, wrongCharacterFolder(), title, &error);
    } else if (wrongCharacterBoxTicked) {
        done = WrongCharacterFile::write(m_userFolder, wrongCharacterFolder(), title,
                                         m_exercise.wrongCharacters, &error);
    }
    if (!done)
        return {Result::SavedInPart, SavedMessage + QStringLiteral("\n错字练习文件出错：") + error};
    return {Result::Saved, SavedMessage};
}
