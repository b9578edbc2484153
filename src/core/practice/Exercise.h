// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/practice/ArticleInUse.h"
#include "core/practice/ExerciseLabels.h"
#include "core/settings/Settings.h"

#include <QObject>
#include <QString>

#include <array>

// The exercise that all drills and articles share: the counters and texts of
// the statistics bar, the exercise clock Timer2 (counting up, or counting a
// timed exercise down), and the state the save dialog reads when an article
// exercise ends. The GUI owns one for the whole run: its QTimer follows
// clockRunningChanged() and calls tick() every 1000 ms; its labels follow
// labelsChanged().
class Exercise : public QObject
{
    Q_OBJECT

public:
    enum class Counter {
        Input,   // characters typed (Lab_zishu)
        Correct, // typed right (Lab_zhenquizishu)
        Wrong,   // typed wrong (Lab_chuowuzishu)
    };

    explicit Exercise(QObject *parent = nullptr);

    // The statistics bar as it is to be shown.
    ExerciseLabels labels() const;

    // The counters, changed by the keystroke rules one at a time ("add or
    // take one") or, for the input count of an article, set outright. There
    // is no lower bound: the callers check where their rules have one.
    int count(Counter counter) const;
    void addOne(Counter counter);
    void takeOne(Counter counter);
    void setCount(Counter counter, int value);

    // Timer2: switched on by every key and by the start button, off by the
    // pause button, by the end of an article, by the article-chooser entries,
    // by Cleanup and by the end of a countdown.
    bool isClockRunning() const;
    void startClock();
    void stopClock();

    // One tick of Timer2; does nothing while the clock is off. Counting up,
    // Lab_time shows the clock as it was before the tick, and speed and
    // accuracy are worked out over the seconds after it. Counting down, the
    // tick that finds the clock at 00:00:00 stops it and emits
    // countdownEnded().
    void tick();

    // A timed exercise of the given duration: the countdown flag is set and
    // the clock holds the time left. Set before Cleanup, which shows it.
    void setCountdown(int hours, int minutes, int seconds);
    // An exercise that counts up; the next Cleanup sets the clock to zero.
    void clearCountdown();
    bool isCountdown() const;

    // The clock as it stands now (it runs a tick ahead of Lab_time).
    QString clockText() const;
    // Seconds a timed exercise has run.
    int elapsedSeconds() const;
    // Seconds the clock has run in this exercise, counting up or down.
    int secondsPractised() const;
    // The practice time for the save dialog: Lab_time of the last tick when
    // counting up, the duration shown by Cleanup when counting down.
    QString elapsedTimeText() const;

    // The article being practised, as set by the article entries and the
    // article chooser; the save dialog reads it.
    QString practisedText() const;
    void setPractisedText(const QString &text);
    // Characters typed wrongly in an article, in the order of the failures.
    QString wrongCharacters() const;
    void appendWrongCharacter(const QString &character);
    // Characters typed before the current line (abreast view) or before the
    // view was opened (normal view).
    int earlierCount() const;
    void setEarlierCount(int count);

    // The menu articles in use; their place is stored by Cleanup.
    ArticleInUse &articles();
    const ArticleInUse &articles() const;

    // Ends the running exercise and resets the statistics for a new one: stops
    // the clock, sets it to zero unless a countdown is set, stores the place
    // reached in a menu article into Earticle/Eplace or Carticle/Cplace of
    // settings, empties the wrong characters and the earlier count, and shows
    // "0" everywhere. Called by every entry that starts a drill, an article, a
    // game or a result view.
    void Cleanup(Settings &settings);

signals:
    void labelsChanged();
    void clockRunningChanged(bool running);
    // A countdown ran out; the clock is already off. The GUI opens the save
    // dialog (modally) from here; elapsedSeconds() is reset when it returns.
    void countdownEnded();

private:
    void tickUp();
    void tickDown();
    void updateAccuracy();
    void storePlace(bool &articleFlag, QString &article, qint32 &place, const QString &current);

    std::array<int, 3> m_counts {}; // by Counter
    int m_hours = 0;
    int m_minutes = 0;
    int m_seconds = 0;
    bool m_running = false;
    bool m_countdown = false;
    int m_elapsedSeconds = 0;
    QString m_elapsedTimeText;
    QString m_caption;
    QString m_timeText;
    QString m_speedText;
    QString m_accuracyText;
    QString m_practisedText;
    QString m_wrongCharacters;
    int m_earlierCount = 0;
    ArticleInUse m_articles;
};
