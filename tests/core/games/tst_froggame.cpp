// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/FrogGame.h"

#include "core/games/GameTargets.h"
#include "core/settings/Settings.h"

#include "ScriptedPrompter.h"
#include "ScriptedRandom.h"

#include <QSignalSpy>
#include <QTest>

using Sound = SoundEffects::GameSound;

namespace {

// The draw r that gives target c from the alphabet.
double drawOf(qint16 alphabet, QChar c)
{
    switch (alphabet) {
    case 0: return (c.unicode() - 97 + 0.5) / 26;
    case 1: return (c.unicode() - 65 + 0.5) / 26;
    case 2: return (c.unicode() - 48 + 0.5) / 10;
    case 3: return (c.unicode() - 48 + 0.5) / 75;
    default: return (GameTargets::radicals().indexOf(c) + 0.5) / 115;
    }
}

// A frog game started with the alphabet and speed settings; its sounds are
// recorded in order.
struct Frog
{
    explicit Frog(qint16 alphabet = 0, qint16 speed = 0)
    {
        settings.P1Text = alphabet;
        settings.P1Speed = speed;
        QObject::connect(&game, &TypingGame::soundWanted, &game, [this](Sound sound) { sounds.append(sound); });
        game.start();
    }

    // One fill tick that gives the free slots these targets, in slot order.
    void fill(QStringView targets)
    {
        for (const QChar c : targets)
            random.append(drawOf(settings.P1Text, c));
        game.tick(FrogGame::Fill);
    }
    void fall(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            game.tick(FrogGame::Fall);
    }
    // With nothing scripted every free slot is filled with "a"; one fill and
    // one "a" catch the first slot's letter.
    void catchLetters(int count)
    {
        for (int i = 0; i < count; ++i) {
            game.tick(FrogGame::Fill);
            game.key(u"a");
        }
    }
    void miss(int count)
    {
        for (int i = 0; i < count; ++i)
            game.key(u"#");
    }
    QString falling() const
    {
        QString texts;
        for (const FrogGame::Slot &slot : game.letterSlots())
            texts += slot.text.isEmpty() ? QStringLiteral("_") : slot.text;
        return texts;
    }

    Settings settings;
    ScriptedRandom random;
    ScriptedPrompter prompter;
    FrogGame game {settings, random, prompter};
    QList<Sound> sounds;
};

} // namespace

class tst_FrogGame : public QObject
{
    Q_OBJECT

private slots:
    void startsWithFreeSlots();
    void catches_data();
    void catches();
    void lowerOfTwoEqualLettersIsCaught();
    void frogLooksAtTheLetter_data();
    void frogLooksAtTheLetter();
    void lettersReachingTheBottom();
    void scoreRules_data();
    void scoreRules();
    void gameOver_data();
    void gameOver();
    void pausesWithoutTheFocus();
    void fallInterval_data();
    void fallInterval();
    void unknownAlphabetFallsNothing();
    void splashChance_data();
    void splashChance();
    void splashFrames();
};

void tst_FrogGame::startsWithFreeSlots()
{
    Frog frog;
    QCOMPARE(frog.falling(), "__________");
    const QList<int> lefts = {600, 1440, 2010, 3030, 3930, 4920, 5850, 6660, 7530, 8250};
    for (int i = 0; i < FrogGame::slotCount; ++i) {
        QCOMPARE(frog.game.letterSlots()[i].left, lefts[i]);
        QCOMPARE(frog.game.letterSlots()[i].top, 450);
    }
    QCOMPARE(frog.game.score(), 1000);
    QCOMPARE(frog.game.level(), 1);
    QVERIFY(frog.game.isRunning());
    QCOMPARE(frog.game.tongueEnd(), FrogGame::mouth);
    QCOMPARE(frog.game.pupils(), FrogGame::Pupils({4170, 4470, 4920}));
}

void tst_FrogGame::catches_data()
{
    QTest::addColumn<int>("alphabet");
    QTest::addColumn<QString>("falling");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("caught"); // slot, or -1

    QTest::newRow("a catches a, not A") << 3 << "Aa00000000" << "a" << 1;
    QTest::newRow("Shift+A catches A, not a") << 3 << "Aa00000000" << "A" << 0;
    QTest::newRow("lower-case game: A catches nothing") << 0 << "abcdefghij" << "A" << -1;
    QTest::newRow("upper-case game: Shift+A catches A") << 1 << "BCADEFGHIJ" << "A" << 2;
    QTest::newRow("g catches 王 by its key text") << 4 << QStringLiteral("土大木工目日口田山王") << "g" << 9;
    QTest::newRow("Shift+G catches no radical") << 4 << QStringLiteral("土大木工目日口田山王") << "G" << -1;
    QTest::newRow("h catches the colon") << 3 << "0123:56789" << "h" << 4;
    QTest::newRow("r catches the colon") << 3 << "0123:56789" << "r" << 4;
    QTest::newRow("u catches the colon") << 3 << "0123:56789" << "u" << 4;
    QTest::newRow("b catches the colon") << 3 << "0123:56789" << "b" << 4;
    QTest::newRow("colon catches the colon") << 3 << "0123:56789" << ":" << 4;
    QTest::newRow("g misses the colon") << 3 << "0123:56789" << "g" << -1;
    QTest::newRow("digit") << 2 << "0123456789" << "7" << 7;
}

void tst_FrogGame::catches()
{
    QFETCH(int, alphabet);
    QFETCH(QString, falling);
    QFETCH(QString, typed);
    QFETCH(int, caught);

    Frog frog {qint16(alphabet)};
    frog.fill(falling);
    QCOMPARE(frog.falling(), falling);
    frog.game.key(typed);

    if (caught < 0) {
        QCOMPARE(frog.game.score(), 980);
        QCOMPARE(frog.falling(), falling);
        QVERIFY(frog.sounds.isEmpty());
        QCOMPARE(frog.game.tongueEnd(), FrogGame::mouth);
        return;
    }
    QCOMPARE(frog.game.score(), 1050);
    QString left = falling;
    left[caught] = u'_';
    QCOMPARE(frog.falling(), left);
    QCOMPARE(frog.game.letterSlots()[caught].top, 450);
    QCOMPARE(frog.sounds, QList<Sound>({Sound::LetterCaught}));
    QCOMPARE(frog.game.tongueEnd(), QPoint(FrogGame::slotLeft(caught), 450 + 300));
}

void tst_FrogGame::lowerOfTwoEqualLettersIsCaught()
{
    Frog frog;
    frog.fill(u"abkdekghij");
    frog.fall(3);
    // Side by side: the first slot.
    frog.game.key(u"k");
    QCOMPARE(frog.falling(), "ab_dekghij");

    frog.fill(u"k");
    frog.fall(1);
    QCOMPARE(frog.game.letterSlots()[2].top, 500);
    QCOMPARE(frog.game.letterSlots()[5].top, 650);
    frog.game.key(u"k");
    QCOMPARE(frog.falling(), "abkde_ghij");
    QCOMPARE(frog.game.tongueEnd(), QPoint(4920, 950));
}

void tst_FrogGame::frogLooksAtTheLetter_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("falls"); // letters fall 50 twips a tick from 450
    QTest::addColumn<QList<int>>("pupils");

    QTest::newRow("high on the left") << 0 << 0 << QList<int>{4140, 4440, 4920};
    QTest::newRow("high on the right") << 9 << 0 << QList<int>{4170, 4500, 4920};
    QTest::newRow("low on the left (top 4950)") << 1 << 90 << QList<int>{4140, 4440, 4980};
    QTest::newRow("low on the right (top 4950)") << 8 << 90 << QList<int>{4200, 4530, 4980};
    QTest::newRow("middle column") << 4 << 0 << QList<int>{4170, 4470, 4920};
    QTest::newRow("left, half-way down (top 3450)") << 2 << 60 << QList<int>{4170, 4470, 4920};
    QTest::newRow("column 3030 is not on the left") << 3 << 0 << QList<int>{4170, 4470, 4920};
    QTest::newRow("column 5850 is not on the right") << 6 << 90 << QList<int>{4170, 4470, 4920};
}

void tst_FrogGame::frogLooksAtTheLetter()
{
    QFETCH(int, slot);
    QFETCH(int, falls);
    QFETCH(QList<int>, pupils);

    Frog frog;
    frog.fill(u"abcdefghij");
    frog.fall(falls);
    frog.game.key(QString(QChar(u'a' + slot)));
    const FrogGame::Pupils expected {pupils[0], pupils[1], pupils[2]};
    QCOMPARE(frog.game.pupils(), expected);
    QCOMPARE(frog.game.tongueEnd(), QPoint(FrogGame::slotLeft(slot), 450 + falls * 50 + 300));

    // Letting go of the key draws the tongue back; the eyes stay.
    frog.game.keyRelease();
    QCOMPARE(frog.game.tongueEnd(), FrogGame::mouth);
    QCOMPARE(frog.game.pupils(), expected);
}

void tst_FrogGame::lettersReachingTheBottom()
{
    Frog frog;
    frog.fill(u"abcdefghij");
    // 119 ticks: top 6400, above the bottom 6405; the next tick takes them
    // to 6450, and the one after drops them.
    frog.fall(119);
    QCOMPARE(frog.game.letterSlots()[0].top, 6400);
    frog.fall(1);
    QCOMPARE(frog.game.letterSlots()[0].top, 6450);
    QCOMPARE(frog.game.score(), 1000);
    QVERIFY(frog.sounds.isEmpty());

    frog.fall(1);
    QCOMPARE(frog.falling(), "__________");
    QCOMPARE(frog.game.letterSlots()[9].top, 450);
    // Ten drops at 50 each reach exactly 500: the warning, once.
    QCOMPARE(frog.game.score(), 500);
    QCOMPARE(frog.sounds.count(Sound::LetterDropped), 10);
    QCOMPARE(frog.sounds.count(Sound::ScoreWarning), 1);
    QCOMPARE(frog.sounds.last(), Sound::ScoreWarning);

    frog.miss(1);
    QCOMPARE(frog.game.score(), 480);
    QCOMPARE(frog.sounds.count(Sound::ScoreWarning), 1);
}

void tst_FrogGame::scoreRules_data()
{
    QTest::addColumn<int>("misses");
    QTest::addColumn<int>("catches");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("level");

    QTest::newRow("40 catches: exactly 3000 keeps the level") << 0 << 40 << 3000 << 1;
    QTest::newRow("41 catches: 3050 raises it") << 0 << 41 << 1000 << 2;
    QTest::newRow("two misses, 41 catches: 3010 raises it") << 2 << 41 << 1000 << 2;
    QTest::newRow("82 catches: two levels") << 0 << 82 << 1000 << 3;
}

void tst_FrogGame::scoreRules()
{
    QFETCH(int, misses);
    QFETCH(int, catches);
    QFETCH(int, score);
    QFETCH(int, level);

    Frog frog;
    QSignalSpy started(&frog.game, &TypingGame::started);
    frog.miss(misses);
    frog.catchLetters(catches);

    QCOMPARE(frog.game.score(), score);
    QCOMPARE(frog.game.level(), level);
    QCOMPARE(frog.sounds.count(Sound::LevelUp), level - 1);
    QCOMPARE(started.count(), level - 1);
    if (level == 1)
        return;
    // The game started again: every slot free, and letters fall faster.
    QCOMPARE(frog.falling(), "__________");
    QVERIFY(frog.game.isRunning());
    frog.fill(u"abcdefghij");
    frog.fall(1);
    QCOMPARE(frog.game.letterSlots()[0].top, 450 + level * 50);
}

void tst_FrogGame::gameOver_data()
{
    QTest::addColumn<bool>("again");
    QTest::newRow("Yes: again at the level reached") << true;
    QTest::newRow("No: the game ends") << false;
}

void tst_FrogGame::gameOver()
{
    QFETCH(bool, again);

    Frog frog;
    frog.catchLetters(41);
    QCOMPARE(frog.game.level(), 2);
    frog.prompter.answerNext(again ? Prompter::Answer::Yes : Prompter::Answer::No);
    QSignalSpy ended(&frog.game, &TypingGame::ended);

    frog.fill(u"bcdefghijk");
    frog.miss(49);
    QCOMPARE(frog.game.score(), 20);
    QVERIFY(frog.prompter.asked().isEmpty());
    frog.miss(1);

    QCOMPARE(frog.prompter.asked().size(), 1);
    const ScriptedPrompter::Asked &asked = frog.prompter.asked().first();
    QCOMPARE(asked.text, QStringLiteral("游戏结束，是否重来？"));
    QCOMPARE(asked.title, QStringLiteral("提示"));
    QCOMPARE(asked.icon, Prompter::Icon::Question);
    QCOMPARE(asked.buttons, Prompter::Buttons::YesNo);
    // On the way down the score passed 500 once.
    QCOMPARE(frog.sounds.count(Sound::ScoreWarning), 1);
    QCOMPARE(frog.falling(), "__________");
    QCOMPARE(frog.game.level(), 2);

    if (again) {
        QCOMPARE(frog.game.score(), 1000);
        QVERIFY(frog.game.isRunning());
        QCOMPARE(ended.count(), 0);
        return;
    }
    QCOMPARE(frog.game.score(), 0);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!frog.game.isActive());
    for (int timer = 0; timer < frog.game.timerCount(); ++timer)
        QVERIFY(!frog.game.isTimerOn(timer));
    // The picture getting the focus back does not wake an ended game.
    frog.game.setFocused(true);
    QVERIFY(!frog.game.isRunning());
    frog.game.key(u"a");
    QCOMPARE(frog.game.score(), 0);
}

void tst_FrogGame::pausesWithoutTheFocus()
{
    Frog frog;
    QSignalSpy timers(&frog.game, &TypingGame::timersChanged);
    frog.game.setFocused(false);
    QCOMPARE(timers.count(), 1);
    for (const int timer : {FrogGame::Fill, FrogGame::Fall, FrogGame::Splash})
        QVERIFY(!frog.game.isTimerOn(timer));
    // A paused game takes no keys.
    frog.game.key(u"#");
    QCOMPARE(frog.game.score(), 1000);
    frog.game.setFocused(true);
    QCOMPARE(timers.count(), 2);
    for (const int timer : {FrogGame::Fill, FrogGame::Fall, FrogGame::Splash})
        QVERIFY(frog.game.isTimerOn(timer));

    // The games menu switches the timers off before it starts a game.
    frog.game.stop();
    frog.game.setFocused(true);
    QVERIFY(!frog.game.isRunning());
}

void tst_FrogGame::fallInterval_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");

    QTest::newRow("0 慢") << 0 << 100;
    QTest::newRow("1 中") << 1 << 80;
    QTest::newRow("2 快") << 2 << 50;
    QTest::newRow("3 极快") << 3 << 20;
    QTest::newRow("4: the default speed") << 4 << 100;
    QTest::newRow("-1: the default speed") << -1 << 100;
}

void tst_FrogGame::fallInterval()
{
    QFETCH(int, speed);
    QFETCH(int, interval);

    Frog frog {0, qint16(speed)};
    QCOMPARE(frog.game.interval(FrogGame::Fall), interval);
    QCOMPARE(frog.game.interval(FrogGame::Fill), 30);
    QCOMPARE(frog.game.interval(FrogGame::Splash), 800);
}

void tst_FrogGame::unknownAlphabetFallsNothing()
{
    Frog frog(5);
    frog.game.tick(FrogGame::Fill);
    QCOMPARE(frog.falling(), "__________");
    frog.game.key(u"a");
    QCOMPARE(frog.game.score(), 980);
}

void tst_FrogGame::splashChance_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<bool>("splash");

    QTest::newRow("n 20") << 0.195 << false;
    QTest::newRow("n 21") << 0.205 << true;
    QTest::newRow("n 24") << 0.235 << true;
    QTest::newRow("n 25") << 0.245 << false;
    QTest::newRow("n 85") << 0.845 << false;
    QTest::newRow("n 86") << 0.855 << true;
    QTest::newRow("n 89") << 0.885 << true;
    QTest::newRow("n 90") << 0.895 << false;
}

void tst_FrogGame::splashChance()
{
    QFETCH(double, r);
    QFETCH(bool, splash);

    Frog frog;
    frog.random.append({r, 0.0, 0.9999});
    frog.game.tick(FrogGame::Splash);
    QCOMPARE(frog.game.splash().frame != 0, splash);
    QCOMPARE(frog.game.isTimerOn(FrogGame::SplashFrame), splash);
    QCOMPARE(frog.sounds, splash ? QList<Sound>({Sound::Splash}) : QList<Sound>());
    if (splash)
        QCOMPARE(frog.game.splash().place, QPoint(1560, 5940));
}

void tst_FrogGame::splashFrames()
{
    Frog frog;
    frog.random.append({0.205, 0.5, 0.5});
    frog.game.tick(FrogGame::Splash);
    const QPoint start(int(0.5 * 5551 + 1560), int(0.5 * 1021 + 4920));
    QCOMPARE(frog.game.splash().place, start);

    // Frame after so many 50 ms ticks, and how far it has moved left.
    const QList<std::tuple<int, int, int>> expected = {
        {0, 3, 0}, {2, 3, 0}, {3, 5, 0}, {5, 5, 0}, {6, 4, 200}, {8, 4, 200}, {9, 6, 200},
        {11, 6, 200}, {12, 2, 400}, {15, 2, 400}, {16, 0, 400},
    };
    int ticks = 0;
    for (const auto &[after, frame, left] : expected) {
        for (; ticks < after; ++ticks)
            frog.game.tick(FrogGame::SplashFrame);
        QCOMPARE(frog.game.splash().frame, frame);
        QCOMPARE(frog.game.splash().place, start - QPoint(left, 0));
    }
    QVERIFY(!frog.game.isTimerOn(FrogGame::SplashFrame));
}

QTEST_GUILESS_MAIN(tst_FrogGame)
#include "tst_froggame.moc"
