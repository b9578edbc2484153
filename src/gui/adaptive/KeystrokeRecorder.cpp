// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/adaptive/KeystrokeRecorder.h"

#include "core/adaptive/KeystrokeHistory.h"
#include "core/practice/ArticleModel.h"
#include "core/practice/DrillModel.h"
#include "gui/practice/BuiltInInput.h"

#include <limits>

namespace {

ExerciseKind kindOf(DrillEntry::Id id)
{
    switch (id) {
    case DrillEntry::Id::Letters: return ExerciseKind::Letters;
    case DrillEntry::Id::Words: return ExerciseKind::Words;
    case DrillEntry::Id::Characters: return ExerciseKind::Characters;
    case DrillEntry::Id::Phrases: return ExerciseKind::Phrases;
    case DrillEntry::Id::NumberWords: return ExerciseKind::NumberWords;
    case DrillEntry::Id::NumberCharacters: return ExerciseKind::NumberCharacters;
    case DrillEntry::Id::Digits: return ExerciseKind::Digits;
    // The weak-item drills practise what the plain drills do: their keys
    // count with those, so that the weakness they came for can fade.
    case DrillEntry::Id::WeakKeys: return ExerciseKind::Letters;
    case DrillEntry::Id::WeakCharacters: return ExerciseKind::Characters;
    case DrillEntry::Id::WeakRadicals: return ExerciseKind::Characters;
    case DrillEntry::Id::WeakShortCodes: return ExerciseKind::Characters;
    }
    return ExerciseKind::Letters;
}

ExerciseKind kindOf(Language language)
{
    return language == Language::Chinese ? ExerciseKind::ChineseArticle : ExerciseKind::EnglishArticle;
}

} // namespace

KeystrokeRecorder::KeystrokeRecorder(KeystrokeHistory &history, std::function<qint64()> now, QObject *parent)
    : QObject(parent), m_history(history), m_now(std::move(now))
{
}

void KeystrokeRecorder::watch(DrillModel &drills)
{
    connect(&drills, &DrillModel::keyJudged, this,
            [this, &drills](const QString &target, const QString &typed, bool correct) {
                record(kindOf(drills.entry().id), target, typed, correct);
            });
}

void KeystrokeRecorder::watch(ArticleModel &article)
{
    connect(&article, &ArticleModel::keyJudged, this,
            [this, &article](const QString &target, const QString &typed, bool correct) {
                record(kindOf(article.language()), target, typed, correct);
            });
}

void KeystrokeRecorder::watch(BuiltInInput &input)
{
    connect(&input, &BuiltInInput::committing, this, &KeystrokeRecorder::commitComing);
}

void KeystrokeRecorder::restart()
{
    m_lastMs = -1;
    m_commitText.clear();
    m_commitCode.clear();
}

void KeystrokeRecorder::commitComing(const QString &text, const QString &code)
{
    m_commitText = text;
    m_commitCode = code;
}

void KeystrokeRecorder::record(ExerciseKind kind, const QString &target, const QString &typed, bool correct)
{
    const qint64 now = m_now();
    qint32 interval = -1;
    if (m_lastMs >= 0)
        interval = qint32(qBound<qint64>(0, now - m_lastMs, qint64(std::numeric_limits<qint32>::max())));
    m_lastMs = now;

    // A commit is judged character by character; its code goes with the
    // first. A key that is not the commit's next character ends it.
    QString code;
    if (!m_commitText.isEmpty() && m_commitText.startsWith(typed)) {
        code = std::exchange(m_commitCode, QString());
        m_commitText.remove(0, typed.size());
    } else {
        m_commitText.clear();
        m_commitCode.clear();
    }
    m_history.record({now, target, typed, correct, interval, kind, code});
}
