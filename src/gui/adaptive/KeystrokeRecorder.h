// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/adaptive/Keystroke.h"

#include <QObject>
#include <QString>

#include <functional>

class ArticleModel;
class BuiltInInput;
class DrillModel;
class KeystrokeHistory;

// Hands every key the practice models judge to the keystroke history: stamps
// it with the time, the interval since the previous judged key of the same
// exercise and the exercise kind (the running drill entry, or the article's
// language), and with the built-in input the code the character was typed
// with.
class KeystrokeRecorder : public QObject
{
    Q_OBJECT

public:
    // history outlives the recorder; now gives ms since the epoch.
    KeystrokeRecorder(KeystrokeHistory &history, std::function<qint64()> now, QObject *parent = nullptr);

    // The models and the input must outlive the recorder.
    void watch(DrillModel &drills);
    void watch(ArticleModel &article);
    void watch(BuiltInInput &input);

    // A new exercise (Cleanup): its first key has no interval.
    void restart();

    void record(ExerciseKind kind, const QString &target, const QString &typed, bool correct);

private:
    // The built-in input is about to enter text typed with code.
    void commitComing(const QString &text, const QString &code);

    KeystrokeHistory &m_history;
    std::function<qint64()> m_now;
    qint64 m_lastMs = -1;   // the previous judged key of this exercise; -1 for none
    QString m_commitText;   // characters of the commit not yet judged
    QString m_commitCode;   // its code, until its first character is judged
};
