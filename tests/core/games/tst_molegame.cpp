// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/MoleGame.h"

#include "core/settings/Settings.h"

#include "ScriptedPrompter.h"
#include "ScriptedRandom.h"

#include <QSignalSpy>
#include <QTest>

using Sound = SoundEffects::GameSound;
using Picture = MoleGame::Picture;

namespace {

double holeDraw(int number)
{
    return (number - 1 + 0.5) / 9;
}

double letterDraw(QChar letter)
{
    return (letter.unicode() - 97 + 0.5) / 26;
}

// A mole game on lower-case letters, started; its sounds are recorded.
struct Moles
{
    explicit Moles(int mostUp = 9, qint16 maxTime = 10, qint16 speed = 0)
    {
        settings.P2Text = 0;
        settings.MaxTss = qint16(mostUp);
        settings.P2MaxTime = maxTime;
        settings.P2Speed = speed;
        QObject::connect(&game, &TypingGame::soundWanted, &game, [this](Sound sound) { sounds.append(sound); });
        game.start();
    }

    // A tick that brings a mole with the letter up in the hole.
    void bringUp(int hole, QChar letter)
    {
        random.append({holeDraw(hole), letterDraw(letter)});
        game.tick(MoleGame::Tick);
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            game.tick(MoleGame::Tick);
    }
    // With nothing scripted each tick brings an "a" up in the first free
    // hole; with one mole at most, typing "a" then knocks it out.
    void hits(int count)
    {
        for (int i = 0; i < count; ++i) {
            game.tick(MoleGame::Tick);
            game.key(u"a");
        }
    }
    QList<int> holesUp() const
    {
        QList<int> up;
        for (int number = 1; number <= MoleGame::holeCount; ++number) {
            if (game.hole(number).up)
                up.append(number);
        }
        return up;
    }

    Settings settings;
    ScriptedRandom random;
    ScriptedPrompter prompter;
    MoleGame game {settings, random, prompter};
    QList<Sound> sounds;
};

} // namespace

class tst_MoleGame : public QObject
{
    Q_OBJECT

private slots:
    void countsDownAndEscapes();
    void mostMolesUp_data();
    void mostMolesUp();
    void nextMoleAfterTheOnlyOneIsKnockedOut();
    void smallestCountIsKnockedOut_data();
    void smallestCountIsKnockedOut();
    void moleComesUpAndGoesDazed();
    void levelUp_data();
    void levelUp();
    void countsRestartFromTenAndTicksComeFaster_data();
    void countsRestartFromTenAndTicksComeFaster();
    void gameOver_data();
    void gameOver();
    void tickInterval_data();
    void tickInterval();
};

void tst_MoleGame::countsDownAndEscapes()
{
    Moles moles(1);
    moles.bringUp(3, u'q');
    const MoleGame::Hole &hole = moles.game.hole(3);
    QVERIFY(hole.up);
    QCOMPARE(hole.target, "q");
    QCOMPARE(moles.sounds, QList<Sound>({Sound::MoleUp}));
    // The tick that brings it up counts it down too: 9 first; red below 3.
    for (int tick = 1; tick <= 10; ++tick) {
        if (tick > 1)
            moles.ticks(1);
        QVERIFY(hole.up);
        QCOMPARE(hole.count, 10 - tick);
        QCOMPARE(hole.red, 10 - tick < 3);
        QCOMPARE(moles.game.molesUp(), 1);
    }
    // The tenth tick after it came up: it escapes.
    moles.ticks(1);
    QVERIFY(!hole.up);
    QCOMPARE(hole.picture, Picture::None);
    QVERIFY(hole.target.isEmpty());
    QCOMPARE(moles.game.molesUp(), 0);
    QCOMPARE(moles.game.score(), 950);
    // With one mole at most, the next comes on the following tick.
    moles.bringUp(8, u'w');
    QCOMPARE(moles.holesUp(), QList<int>({8}));
    QCOMPARE(moles.game.hole(8).count, 9);
    QVERIFY(!moles.game.hole(8).red);
}

void tst_MoleGame::mostMolesUp_data()
{
    QTest::addColumn<int>("maxTss");
    QTest::addColumn<int>("up");

    QTest::newRow("1") << 1 << 1;
    QTest::newRow("5") << 5 << 5;
    QTest::newRow("9") << 9 << 9;
    QTest::newRow("12 (a hand-edited file) is bounded to 9") << 12 << 9;
    QTest::newRow("0 is raised to 1") << 0 << 1;
}

void tst_MoleGame::mostMolesUp()
{
    QFETCH(int, maxTss);
    QFETCH(int, up);

    Moles moles(maxTss);
    // Nothing scripted: every draw names the first hole, taken after the
    // first tick; the search must still find the free ones.
    moles.ticks(10);
    QCOMPARE(moles.game.molesUp(), up);
    QCOMPARE(moles.holesUp().size(), up);
}

void tst_MoleGame::nextMoleAfterTheOnlyOneIsKnockedOut()
{
    Moles moles(1);
    moles.bringUp(4, u'k');
    moles.ticks(2);
    QCOMPARE(moles.holesUp(), QList<int>({4}));
    moles.game.key(u"k");
    QVERIFY(moles.holesUp().isEmpty());
    moles.bringUp(6, u'j');
    QCOMPARE(moles.holesUp(), QList<int>({6}));
}

void tst_MoleGame::smallestCountIsKnockedOut_data()
{
    QTest::addColumn<int>("firstHole");
    QTest::addColumn<int>("secondHole");
    QTest::addColumn<int>("secondMaxTime"); // P2MaxTime when the second comes up
    QTest::addColumn<int>("knockedOut");

    QTest::newRow("the older mole has the smaller count") << 5 << 2 << 10 << 5;
    QTest::newRow("equal counts: the lower hole") << 7 << 2 << 9 << 2;
    QTest::newRow("equal counts: the lower hole, which came first") << 2 << 7 << 9 << 2;
}

void tst_MoleGame::smallestCountIsKnockedOut()
{
    QFETCH(int, firstHole);
    QFETCH(int, secondHole);
    QFETCH(int, secondMaxTime);
    QFETCH(int, knockedOut);

    Moles moles(2);
    moles.bringUp(firstHole, u'a');
    moles.settings.P2MaxTime = qint16(secondMaxTime);
    moles.bringUp(secondHole, u'a');
    moles.sounds.clear();

    moles.game.key(u"a");
    const int other = knockedOut == firstHole ? secondHole : firstHole;
    QCOMPARE(moles.holesUp(), QList<int>({other}));
    QCOMPARE(moles.game.hole(knockedOut).picture, Picture::Dazed);
    QCOMPARE(moles.game.molesUp(), 1);
    QCOMPARE(moles.game.score(), 1050);
    QCOMPARE(moles.sounds, QList<Sound>({Sound::MoleHit}));

    // A key that hits no mole.
    moles.game.key(u"b");
    QCOMPARE(moles.game.score(), 1030);
    QCOMPARE(moles.holesUp(), QList<int>({other}));
}

void tst_MoleGame::moleComesUpAndGoesDazed()
{
    Moles moles(1);
    moles.settings.P2Text = 4;
    moles.random.append({holeDraw(1), 0.0});
    moles.game.tick(MoleGame::Tick);
    QCOMPARE(moles.game.hole(1).target, QStringLiteral("王"));
    QCOMPARE(moles.game.hole(1).picture, Picture::Mound);
    QVERIFY(moles.game.isTimerOn(MoleGame::Rise));
    moles.game.tick(MoleGame::Rise);
    QCOMPARE(moles.game.hole(1).picture, Picture::Peeking);
    moles.game.tick(MoleGame::Rise);
    QCOMPARE(moles.game.hole(1).picture, Picture::Standing);
    QVERIFY(!moles.game.isTimerOn(MoleGame::Rise));

    // The key g carries 王.
    moles.game.key(u"g");
    QCOMPARE(moles.game.hole(1).picture, Picture::Dazed);
    QVERIFY(moles.game.isTimerOn(MoleGame::Daze));
    QCOMPARE(moles.game.interval(MoleGame::Daze), 20);
    moles.game.tick(MoleGame::Daze);
    QCOMPARE(moles.game.hole(1).picture, Picture::Dazed);
    moles.game.tick(MoleGame::Daze);
    QCOMPARE(moles.game.hole(1).picture, Picture::None);
    QVERIFY(!moles.game.isTimerOn(MoleGame::Daze));
}

void tst_MoleGame::levelUp_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("maxTime");

    QTest::newRow("39 hits: 2950") << 39 << 2950 << 1 << 10;
    QTest::newRow("40 hits: exactly 3000 raises the level") << 40 << 1000 << 2 << 9;
    QTest::newRow("80 hits: two levels") << 80 << 1000 << 3 << 8;
}

void tst_MoleGame::levelUp()
{
    QFETCH(int, hits);
    QFETCH(int, score);
    QFETCH(int, level);
    QFETCH(int, maxTime);

    Moles moles(1);
    QSignalSpy started(&moles.game, &TypingGame::started);
    moles.hits(hits);
    QCOMPARE(moles.game.score(), score);
    QCOMPARE(moles.game.level(), level);
    QCOMPARE(int(moles.settings.P2MaxTime), maxTime);
    QCOMPARE(moles.sounds.count(Sound::LevelUp), level - 1);
    QCOMPARE(started.count(), level - 1);
    QVERIFY(moles.game.isRunning());
}

void tst_MoleGame::countsRestartFromTenAndTicksComeFaster_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("faster");

    QTest::newRow("1000 ms becomes 800") << 0 << 1000 << 800;
    QTest::newRow("800 ms becomes 500") << 1 << 800 << 500;
    QTest::newRow("500 ms becomes 200") << 2 << 500 << 200;
    QTest::newRow("200 ms stays") << 3 << 200 << 200;
}

void tst_MoleGame::countsRestartFromTenAndTicksComeFaster()
{
    QFETCH(int, speed);
    QFETCH(int, interval);
    QFETCH(int, faster);

    Moles moles(1, 1, qint16(speed));
    moles.hits(40);
    QCOMPARE(moles.game.level(), 2);
    QCOMPARE(int(moles.settings.P2MaxTime), 0);
    QCOMPARE(moles.game.interval(MoleGame::Tick), interval);

    QSignalSpy timers(&moles.game, &TypingGame::timersChanged);
    moles.bringUp(5, u'a');
    QCOMPARE(int(moles.settings.P2MaxTime), 10);
    QCOMPARE(moles.game.hole(5).count, 9);
    QCOMPARE(moles.game.interval(MoleGame::Tick), faster);
    QVERIFY(timers.count() > 0);

    // Until the next level-up, which starts the game again at P2Speed.
    moles.game.key(u"a");
    moles.hits(39);
    QCOMPARE(moles.game.level(), 3);
    QCOMPARE(int(moles.settings.P2MaxTime), 9);
    QCOMPARE(moles.game.interval(MoleGame::Tick), interval);
}

void tst_MoleGame::gameOver_data()
{
    QTest::addColumn<bool>("again");
    QTest::newRow("Yes: again at the level reached") << true;
    QTest::newRow("No: the game ends") << false;
}

void tst_MoleGame::gameOver()
{
    QFETCH(bool, again);

    Moles moles(1);
    moles.hits(40);
    moles.prompter.answerNext(again ? Prompter::Answer::Yes : Prompter::Answer::No);
    QSignalSpy ended(&moles.game, &TypingGame::ended);
    moles.bringUp(3, u'z');
    for (int i = 0; i < 50; ++i)
        moles.game.key(u"b");

    QCOMPARE(moles.prompter.texts(), QStringList({QStringLiteral("游戏结束，是否重来？")}));
    QCOMPARE(moles.prompter.asked().first().title, QStringLiteral("提示"));
    QCOMPARE(moles.game.level(), 2);
    QVERIFY(moles.holesUp().isEmpty());
    QCOMPARE(moles.game.molesUp(), 0);
    QCOMPARE(moles.game.isRunning(), again);
    QCOMPARE(moles.game.score(), again ? 1000 : 0);
    QCOMPARE(ended.count(), again ? 0 : 1);
}

void tst_MoleGame::tickInterval_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");

    QTest::newRow("0 慢") << 0 << 1000;
    QTest::newRow("1 中") << 1 << 800;
    QTest::newRow("2 快") << 2 << 500;
    QTest::newRow("3 极快") << 3 << 200;
    QTest::newRow("7: the default speed") << 7 << 1000;
}

void tst_MoleGame::tickInterval()
{
    QFETCH(int, speed);
    QFETCH(int, interval);

    Moles moles(5, 10, qint16(speed));
    QCOMPARE(moles.game.interval(MoleGame::Tick), interval);
}

QTEST_GUILESS_MAIN(tst_MoleGame)
#include "tst_molegame.moc"
