// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/Exercise.h"

#include <QSignalSpy>
#include <QTest>

class tst_Exercise : public QObject
{
    Q_OBJECT

private slots:
    void startsEmpty();
    void countingUp_data();
    void countingUp();
    void countingDown_data();
    void countingDown();
    void countdownEndStopsClockBeforeSaveDialog();
    void tickWhileStoppedDoesNothing();
    void counters();
    void cleanupResets();
    void cleanupInTimedExercise();
    void cleanupStoresArticlePlace_data();
    void cleanupStoresArticlePlace();
    void placeAcrossResume();
};

namespace {

using Counter = Exercise::Counter;

// Keys typed before the ticks: input and correct counts, the rest wrong.
void type(Exercise &exercise, int input, int correct)
{
    exercise.setCount(Counter::Input, input);
    exercise.setCount(Counter::Correct, correct);
    exercise.setCount(Counter::Wrong, input - correct);
}

void run(Exercise &exercise, int ticks)
{
    exercise.startClock();
    for (int i = 0; i < ticks; ++i)
        exercise.tick();
}

} // namespace

void tst_Exercise::startsEmpty()
{
    const Exercise exercise;
    const ExerciseLabels expected {"练习时间：", "00:00:00", "0", "0", "0", "0", "0"};
    QCOMPARE(exercise.labels(), expected);
    QVERIFY(!exercise.isClockRunning());
    QVERIFY(!exercise.isCountdown());
}

void tst_Exercise::countingUp_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("accuracy");

    QTest::newRow("first tick: 00:00:00, speed over 1 second")
        << 6 << 5 << 1 << "00:00:00" << "360" << "83.33%";
    QTest::newRow("second tick: 00:00:01") << 6 << 5 << 2 << "00:00:01" << "180" << "83.33%";
    QTest::newRow("6 typed, 5 right, 9 ticks") << 6 << 5 << 9 << "00:00:08" << "40" << "83.33%";
    QTest::newRow("nothing typed") << 0 << 0 << 9 << "00:00:08" << "0" << "0";
    QTest::newRow("speed cut, not rounded") << 7 << 7 << 9 << "00:00:08" << "46." << "100%";
    QTest::newRow("two of three right") << 3 << 2 << 1 << "00:00:00" << "180" << "66.66%";
    QTest::newRow("minute rolls over") << 61 << 61 << 61 << "00:01:00" << "60" << "100%";
    // 721 characters: 12 a minute over 3605 seconds, "12." over 3604.
    QTest::newRow("01:00:05 over 3605 seconds") << 721 << 721 << 3605 << "01:00:04" << "12" << "100%";
    QTest::newRow("ten hours") << 36001 << 36001 << 36001 << "10:00:00" << "60" << "100%";
}

void tst_Exercise::countingUp()
{
    QFETCH(int, input);
    QFETCH(int, correct);
    QFETCH(int, ticks);
    QFETCH(QString, time);
    QFETCH(QString, speed);
    QFETCH(QString, accuracy);

    Exercise exercise;
    type(exercise, input, correct);
    run(exercise, ticks);

    QCOMPARE(exercise.labels().Lab_time, time);
    QCOMPARE(exercise.labels().Lab_zimefen, speed);
    QCOMPARE(exercise.labels().Lab_zhengquilluei, accuracy);
    QCOMPARE(exercise.elapsedTimeText(), time);
    QVERIFY(exercise.isClockRunning());
}

// The clock holds the time left; Lab_time shows it as it was before the tick.
void tst_Exercise::countingDown_data()
{
    QTest::addColumn<QTime>("duration");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<int>("elapsedSeconds");
    QTest::addColumn<QString>("speed");

    const QTime minute(0, 1, 0);
    const QTime hour(1, 0, 0);
    QTest::newRow("one minute, first tick") << minute << 1 << "00:01:00" << "00:00:59" << false << 1 << "180";
    QTest::newRow("one minute, 60th tick") << minute << 60 << "00:00:01" << "00:00:00" << false << 60 << "30";
    QTest::newRow("one minute, 61st tick ends it") << minute << 61 << "00:00:00" << "00:00:00" << true << 0 << "30";
    QTest::newRow("one hour, first tick: clock 00:59:59")
        << hour << 1 << "01:00:00" << "00:59:59" << false << 1 << "180";
    QTest::newRow("one hour, second tick shows it") << hour << 2 << "00:59:59" << "00:59:58" << false << 2 << "900";
    QTest::newRow("one hour, last second") << hour << 3600 << "00:00:01" << "00:00:00" << false << 3600 << "0.5";
    QTest::newRow("one hour ends at tick 3601") << hour << 3601 << "00:00:00" << "00:00:00" << true << 0 << "0.5";
    QTest::newRow("across a minute") << QTime(0, 1, 30) << 31 << "00:01:00" << "00:00:59" << false << 31 << "58.";
}

void tst_Exercise::countingDown()
{
    QFETCH(QTime, duration);
    QFETCH(int, ticks);
    QFETCH(QString, time);
    QFETCH(QString, clock);
    QFETCH(bool, ended);
    QFETCH(int, elapsedSeconds);
    QFETCH(QString, speed);

    Settings settings;
    Exercise exercise;
    exercise.setCountdown(duration.hour(), duration.minute(), duration.second());
    exercise.Cleanup(settings);
    type(exercise, 30, 30);
    QSignalSpy endSpy(&exercise, &Exercise::countdownEnded);
    run(exercise, ticks);

    QCOMPARE(exercise.labels().Lab_time, time);
    QCOMPARE(exercise.clockText(), clock);
    QCOMPARE(endSpy.size(), ended ? 1 : 0);
    QCOMPARE(exercise.isClockRunning(), !ended);
    QCOMPARE(exercise.elapsedSeconds(), elapsedSeconds);
    QCOMPARE(exercise.labels().Lab_zimefen, speed);
    // The save dialog shows the duration, not the time left.
    QCOMPARE(exercise.elapsedTimeText(), duration.toString("hh:mm:ss"));
}

// The GUI opens the save dialog from countdownEnded(): the clock must be off
// and the figures those of the exercise when it does.
void tst_Exercise::countdownEndStopsClockBeforeSaveDialog()
{
    Settings settings;
    Exercise exercise;
    exercise.setCountdown(0, 0, 2);
    exercise.Cleanup(settings);
    type(exercise, 4, 3);
    QList<bool> runningChanges;
    connect(&exercise, &Exercise::clockRunningChanged, this, [&](bool running) { runningChanges.append(running); });
    bool seen = false;
    connect(&exercise, &Exercise::countdownEnded, this, [&] {
        seen = true;
        QVERIFY(!exercise.isClockRunning());
        QCOMPARE(exercise.elapsedSeconds(), 3);
        QCOMPARE(exercise.elapsedTimeText(), QString("00:00:02"));
        QCOMPARE(exercise.labels().Lab_time, QString("00:00:00"));
        QCOMPARE(exercise.labels().Lab_zishu, QString("4"));
        QCOMPARE(exercise.labels().Lab_zhengquilluei, QString("75%"));
    });
    run(exercise, 3);
    QVERIFY(seen);
    QCOMPARE(runningChanges, (QList<bool> {true, false}));
    QCOMPARE(exercise.elapsedSeconds(), 0);
}

void tst_Exercise::tickWhileStoppedDoesNothing()
{
    Exercise exercise;
    type(exercise, 6, 5);
    run(exercise, 3);
    exercise.stopClock();
    const ExerciseLabels paused = exercise.labels();
    exercise.tick();
    QCOMPARE(exercise.labels(), paused);
    exercise.startClock();
    exercise.tick();
    QCOMPARE(exercise.labels().Lab_time, QString("00:00:03"));
}

void tst_Exercise::counters()
{
    Exercise exercise;
    QSignalSpy changes(&exercise, &Exercise::labelsChanged);
    exercise.addOne(Counter::Input);
    exercise.addOne(Counter::Input);
    exercise.addOne(Counter::Wrong);
    exercise.takeOne(Counter::Input);
    exercise.takeOne(Counter::Correct);
    QCOMPARE(changes.size(), 5);
    const ExerciseLabels labels = exercise.labels();
    QCOMPARE(labels.Lab_zishu, QString("1"));
    QCOMPARE(labels.Lab_chuowuzishu, QString("1"));
    // The article views have no lower bound on the correct count.
    QCOMPARE(labels.Lab_zhenquizishu, QString("-1"));
}

void tst_Exercise::cleanupResets()
{
    Settings settings;
    Exercise exercise;
    type(exercise, 6, 5);
    exercise.appendWrongCharacter("中");
    exercise.setEarlierCount(4);
    run(exercise, 9);
    QSignalSpy running(&exercise, &Exercise::clockRunningChanged);

    exercise.Cleanup(settings);

    const ExerciseLabels expected {"练习时间：", "00:00:00", "0", "0", "0", "0", "0"};
    QCOMPARE(exercise.labels(), expected);
    QCOMPARE(exercise.elapsedTimeText(), QString("00:00:00"));
    QCOMPARE(exercise.clockText(), QString("00:00:00"));
    QCOMPARE(running.size(), 1);
    QVERIFY(!exercise.isClockRunning());
    QCOMPARE(exercise.wrongCharacters(), QString());
    QCOMPARE(exercise.earlierCount(), 0);
    QCOMPARE(settings, Settings());
}

// The article chooser sets the duration and then calls Cleanup; a Cleanup
// while the countdown flag stays set does not touch the clock.
void tst_Exercise::cleanupInTimedExercise()
{
    Settings settings;
    Exercise exercise;
    exercise.setCountdown(0, 5, 0);
    exercise.Cleanup(settings);
    QCOMPARE(exercise.labels().Lab_time, QString("00:05:00"));
    QCOMPARE(exercise.labels().Label5, QString("练习时间：(剩时)"));
    QCOMPARE(exercise.elapsedTimeText(), QString("00:05:00"));

    type(exercise, 10, 10);
    run(exercise, 10);
    exercise.setCountdown(0, 5, 0);
    exercise.Cleanup(settings);
    QCOMPARE(exercise.labels().Lab_time, QString("00:05:00"));
    QCOMPARE(exercise.labels().Label5, QString("练习时间：(剩时)"));
    QCOMPARE(exercise.elapsedSeconds(), 0);

    run(exercise, 10);
    exercise.Cleanup(settings);
    QCOMPARE(exercise.labels().Lab_time, QString("00:04:50"));

    exercise.clearCountdown();
    exercise.Cleanup(settings);
    QCOMPARE(exercise.labels().Lab_time, QString("00:00:00"));
    QCOMPARE(exercise.labels().Label5, QString("练习时间："));
}

void tst_Exercise::cleanupStoresArticlePlace_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<bool>("resumed");
    QTest::addColumn<int>("typed");
    QTest::addColumn<QString>("Earticle");
    QTest::addColumn<int>("Eplace");
    QTest::addColumn<QString>("Carticle");
    QTest::addColumn<int>("Cplace");

    // Stored before: Earticle "old.lmf" at 11, Carticle "旧.lmf" at 21.
    QTest::newRow("english article opened afresh") << true << false << false << 120 << "english.lmf" << 121 << "旧.lmf" << 21;
    QTest::newRow("english article resumed") << true << false << true << 30 << "old.lmf" << 41 << "旧.lmf" << 21;
    QTest::newRow("chinese article opened afresh") << false << true << false << 0 << "old.lmf" << 11 << "中文.lmf" << 1;
    QTest::newRow("chinese article resumed") << false << true << true << 5 << "old.lmf" << 11 << "旧.lmf" << 26;
    QTest::newRow("no menu article") << false << false << true << 50 << "old.lmf" << 11 << "旧.lmf" << 21;
    QTest::newRow("place past 32767") << true << false << true << 32760 << "old.lmf" << 32771 << "旧.lmf" << 21;
}

void tst_Exercise::cleanupStoresArticlePlace()
{
    QFETCH(bool, english);
    QFETCH(bool, chinese);
    QFETCH(bool, resumed);
    QFETCH(int, typed);
    QFETCH(QString, Earticle);
    QFETCH(int, Eplace);
    QFETCH(QString, Carticle);
    QFETCH(int, Cplace);

    Settings settings;
    settings.Earticle = "old.lmf";
    settings.Eplace = 11;
    settings.Carticle = "旧.lmf";
    settings.Cplace = 21;
    Exercise exercise;
    exercise.articles() = {english, chinese, resumed, "english.lmf", "中文.lmf"};
    exercise.setCount(Counter::Input, typed);

    exercise.Cleanup(settings);

    QCOMPARE(settings.Earticle, Earticle);
    QCOMPARE(settings.Eplace, Eplace);
    QCOMPARE(settings.Carticle, Carticle);
    QCOMPARE(settings.Cplace, Cplace);
    QVERIFY(!exercise.articles().english);
    QVERIFY(!exercise.articles().chinese);
    QCOMPARE(exercise.articles().resumed, resumed && !english && !chinese);
}

// 120 typed, another menu entry; resumed later, 30 more typed, another entry.
void tst_Exercise::placeAcrossResume()
{
    Settings settings;
    Exercise exercise;
    exercise.articles().currentEnglish = "english/The Gift.lmf";
    exercise.articles().english = true;
    exercise.setCount(Counter::Input, 120);
    exercise.Cleanup(settings);
    QCOMPARE(settings.Earticle, QString("english/The Gift.lmf"));
    QCOMPARE(settings.Eplace, 121);

    exercise.Cleanup(settings);
    QCOMPARE(settings.Eplace, 121);

    exercise.articles().english = true;
    exercise.articles().resumed = true;
    exercise.setCount(Counter::Input, 30);
    exercise.Cleanup(settings);
    QCOMPARE(settings.Eplace, 151);
    QVERIFY(!exercise.articles().resumed);
}

QTEST_GUILESS_MAIN(tst_Exercise)
#include "tst_exercise.moc"
