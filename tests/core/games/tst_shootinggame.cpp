// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/games/ShootingGame.h"

#include "core/games/GameWords.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"

#include "ScriptedPrompter.h"
#include "ScriptedRandom.h"

#include <QSignalSpy>
#include <QTest>

using Sound = SoundEffects::GameSound;

namespace {

// Input methods: "五笔" has characters 中 国 人 (among an empty and an ASCII
// line), the phrases 中国 人民 中国 大家, a three-character list with no
// word, and 中华人民 一心一意; "缺四字" lacks the four-character file.
const QString fixtureRoot = QStringLiteral(QINTARA_TEST_DATA_DIR "/games");

// The draw that takes word i of n.
double wordDraw(int i, int n)
{
    return (i + 0.5) / n;
}

// A shooting game on the fixture's code lists; its sounds are recorded.
struct Shooting
{
    explicit Shooting(qint16 wordList = 1, const QString &inputMeans = QStringLiteral("五笔"))
    {
        settings.P3Text = wordList;
        settings.InputMeans = inputMeans;
        QObject::connect(&game, &TypingGame::soundWanted, &game, [this](Sound sound) { sounds.append(sound); });
    }

    // Starts on the two-character phrases with the signs 中国 人民 大家 中国.
    void startOnPhrases()
    {
        random.append({wordDraw(0, 4), wordDraw(1, 4), wordDraw(3, 4), wordDraw(2, 4)});
        game.start();
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            game.tick(ShootingGame::Tick);
    }
    // Types the texts one after another, as the box changes.
    void type(const QStringList &texts)
    {
        for (const QString &text : texts)
            game.typed(text);
    }
    QStringList words() const
    {
        QStringList words;
        for (int i = 0; i < ShootingGame::signCount; ++i)
            words.append(game.sign(i).word);
        return words;
    }

    Settings settings;
    ProgramFolder folder {fixtureRoot};
    CodeTable table {folder, settings};
    ScriptedRandom random;
    GameWords gameWords {table, random};
    ScriptedPrompter prompter;
    ShootingGame game {settings, gameWords, prompter};
    QList<Sound> sounds;
};

} // namespace

class tst_ShootingGame : public QObject
{
    Q_OBJECT

private slots:
    void wordsFromTheChosenList_data();
    void wordsFromTheChosenList();
    void countRunsOutInSixteenTicks();
    void typing_data();
    void typing();
    void hitSignGetsANewWordOnTheNextTick();
    void gunFrames();
    void levelUp_data();
    void levelUp();
    void gameOver_data();
    void gameOver();
    void noWordToDraw_data();
    void noWordToDraw();
    void tickInterval_data();
    void tickInterval();
};

void tst_ShootingGame::wordsFromTheChosenList_data()
{
    QTest::addColumn<int>("wordList");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("characters: empty and ascii lines are never drawn")
        << 0 << QList<double>{0.0, 0.34, 0.67, 0.9999}
        << QStringList{QStringLiteral("中"), QStringLiteral("国"), QStringLiteral("人"), QStringLiteral("人")};
    QTest::newRow("two-character phrases")
        << 1 << QList<double>{0.0, 0.3, 0.6, 0.9}
        << QStringList{QStringLiteral("中国"), QStringLiteral("人民"), QStringLiteral("中国"), QStringLiteral("大家")};
    QTest::newRow("four-character phrases")
        << 3 << QList<double>{0.9, 0.1, 0.1, 0.9}
        << QStringList{QStringLiteral("一心一意"), QStringLiteral("中华人民"), QStringLiteral("中华人民"),
                       QStringLiteral("一心一意")};
}

void tst_ShootingGame::wordsFromTheChosenList()
{
    QFETCH(int, wordList);
    QFETCH(QList<double>, draws);
    QFETCH(QStringList, words);

    Shooting shooting {qint16(wordList)};
    for (const double r : draws)
        shooting.random.append(r);
    shooting.game.start();
    QCOMPARE(shooting.words(), words);
    for (int i = 0; i < ShootingGame::signCount; ++i) {
        QCOMPARE(shooting.game.sign(i).count, 15);
        QVERIFY(!shooting.game.sign(i).red);
    }
    QCOMPARE(shooting.game.score(), 1000);
    QVERIFY(shooting.game.isRunning());
    QVERIFY(shooting.prompter.asked().isEmpty());
}

void tst_ShootingGame::countRunsOutInSixteenTicks()
{
    Shooting shooting;
    shooting.startOnPhrases();
    const ShootingGame::Sign &sign = shooting.game.sign(0);
    for (int tick = 1; tick <= 15; ++tick) {
        shooting.ticks(1);
        QCOMPARE(sign.count, 15 - tick);
        QCOMPARE(sign.red, 15 - tick < 2); // 2 is still black, 1 and 0 red
    }
    QCOMPARE(shooting.game.score(), 1000);
    shooting.random.append(wordDraw(3, 4));
    shooting.ticks(1);
    QCOMPARE(sign.word, QStringLiteral("大家"));
    QCOMPARE(sign.count, 15);
    QVERIFY(!sign.red);
    // All four ran out together.
    QCOMPARE(shooting.game.score(), 800);
}

void tst_ShootingGame::typing_data()
{
    QTest::addColumn<QStringList>("typed"); // the box's text after each change
    QTest::addColumn<int>("hit");           // sign, or -1
    QTest::addColumn<QString>("input");     // left in the box

    // Signs: 中国 人民 大家 中国.
    QTest::newRow("a whole word shoots its sign")
        << QStringList{QStringLiteral("人"), QStringLiteral("人民")} << 1 << "";
    QTest::newRow("half a word waits") << QStringList{QStringLiteral("人")} << -1 << QStringLiteral("人");
    QTest::newRow("a wrong phrase stays and costs nothing")
        << QStringList{QStringLiteral("大"), QStringLiteral("大国")} << -1 << QStringLiteral("大国");
    QTest::newRow("three characters empty the box")
        << QStringList{QStringLiteral("大"), QStringLiteral("大国"), QStringLiteral("大国人")} << -1 << "";
    QTest::newRow("two equal words: the lower-numbered sign")
        << QStringList{QStringLiteral("中"), QStringLiteral("中国")} << 0 << "";
    QTest::newRow("committed at once") << QStringList{QStringLiteral("大家")} << 2 << "";
}

void tst_ShootingGame::typing()
{
    QFETCH(QStringList, typed);
    QFETCH(int, hit);
    QFETCH(QString, input);

    Shooting shooting;
    shooting.startOnPhrases();
    const QStringList words = shooting.words();
    QSignalSpy cleared(&shooting.game, &ShootingGame::inputCleared);
    shooting.type(typed);

    QCOMPARE(shooting.game.input(), input);
    QCOMPARE(cleared.count(), input.isEmpty() ? 1 : 0);
    QCOMPARE(shooting.words(), words);
    for (int i = 0; i < ShootingGame::signCount; ++i)
        QCOMPARE(shooting.game.sign(i).count.has_value(), i != hit);
    if (hit < 0) {
        QCOMPARE(shooting.game.score(), 1000);
        QVERIFY(shooting.sounds.isEmpty());
        QCOMPARE(shooting.game.crosshair(), QPoint(2910, 2160));
        QCOMPARE(shooting.game.gunFrame(), 0);
        return;
    }
    QCOMPARE(shooting.game.score(), 1050);
    QCOMPARE(shooting.sounds, QList<Sound>({Sound::Shot}));
    const QPoint word = ShootingGame::wordPlace(hit);
    QCOMPARE(shooting.game.crosshair(), QPoint(word.x() + 450, word.y() - 150));
    QCOMPARE(shooting.game.gun(), QPoint(word.x() + 450, 4155));
    QCOMPARE(shooting.game.inputBox(), QPoint(word.x() + 450, 6015));
    QCOMPARE(shooting.game.gunFrame(), 1);
}

void tst_ShootingGame::hitSignGetsANewWordOnTheNextTick()
{
    Shooting shooting;
    shooting.startOnPhrases();
    shooting.ticks(13);
    QCOMPARE(shooting.game.sign(1).count, 2);
    shooting.type({QStringLiteral("人民")});
    QVERIFY(!shooting.game.sign(1).count);

    shooting.random.append(wordDraw(2, 4));
    shooting.ticks(1);
    QCOMPARE(shooting.game.sign(1).word, QStringLiteral("中国"));
    QCOMPARE(shooting.game.sign(1).count, 15);
    QVERIFY(!shooting.game.sign(1).red);
    QCOMPARE(shooting.game.sign(0).count, 1);
    QVERIFY(shooting.game.sign(0).red);
}

void tst_ShootingGame::gunFrames()
{
    Shooting shooting;
    shooting.startOnPhrases();
    QVERIFY(!shooting.game.isTimerOn(ShootingGame::ShotFrame));
    shooting.type({QStringLiteral("大家")});
    for (int frame = 1; frame <= 4; ++frame) {
        QCOMPARE(shooting.game.gunFrame(), frame);
        QCOMPARE(shooting.game.isTimerOn(ShootingGame::ShotFrame), frame < 4);
        shooting.game.tick(ShootingGame::ShotFrame);
    }
    QCOMPARE(shooting.game.gunFrame(), 4);
    QCOMPARE(shooting.game.interval(ShootingGame::ShotFrame), 50);
}

void tst_ShootingGame::levelUp_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("laterCount"); // a word drawn after these hits starts from

    QTest::newRow("39 hits: 2950") << 39 << 1 << 2950 << 15;
    QTest::newRow("40 hits: exactly 3000 raises the level") << 40 << 2 << 1000 << 14;
    QTest::newRow("80 hits: the next level counts from 14 too") << 80 << 3 << 1000 << 14;
}

void tst_ShootingGame::levelUp()
{
    QFETCH(int, hits);
    QFETCH(int, level);
    QFETCH(int, score);
    QFETCH(int, laterCount);

    Shooting shooting;
    shooting.startOnPhrases();
    // The hit sign keeps its word until the next tick; nothing scripted, the
    // restart puts 中国 on every sign.
    for (int i = 0; i < hits; ++i)
        shooting.type({QStringLiteral("中国")});
    QCOMPARE(shooting.game.level(), level);
    QCOMPARE(shooting.game.score(), score);
    QCOMPARE(shooting.sounds.count(Sound::LevelUp), level - 1);
    QCOMPARE(shooting.game.startingCount(), laterCount);
    if (level > 1) {
        // The four words of the restart count from 15.
        for (int i = 0; i < ShootingGame::signCount; ++i)
            QCOMPARE(shooting.game.sign(i).count, 15);
    }

    // Sign 0, hit last, gets a later word on the next tick.
    if (level > 1)
        shooting.type({QStringLiteral("中国")});
    shooting.ticks(1);
    QCOMPARE(shooting.game.sign(0).count, laterCount);
    QCOMPARE(shooting.game.sign(1).count, 14);
}

void tst_ShootingGame::gameOver_data()
{
    QTest::addColumn<bool>("again");
    QTest::newRow("Yes: again at the level reached") << true;
    QTest::newRow("No: the game ends") << false;
}

void tst_ShootingGame::gameOver()
{
    QFETCH(bool, again);

    Shooting shooting;
    shooting.startOnPhrases();
    for (int i = 0; i < 40; ++i)
        shooting.type({QStringLiteral("中国")});
    QCOMPARE(shooting.game.level(), 2);
    shooting.prompter.answerNext(again ? Prompter::Answer::Yes : Prompter::Answer::No);
    QSignalSpy ended(&shooting.game, &TypingGame::ended);

    // The four words of the restart run out at the 16th tick, the later ones
    // (from 14) every 15 ticks: 200 points each time, and the last sign of
    // the fifth time takes the score to 0.
    shooting.ticks(75);
    QCOMPARE(shooting.game.score(), 200);
    QVERIFY(shooting.prompter.asked().isEmpty());
    shooting.ticks(1);

    QCOMPARE(shooting.prompter.texts(), QStringList({QStringLiteral("游戏结束，是否重来？")}));
    QCOMPARE(shooting.prompter.asked().first().buttons, Prompter::Buttons::YesNo);
    QCOMPARE(shooting.game.level(), 2);
    QCOMPARE(shooting.game.isRunning(), again);
    QCOMPARE(ended.count(), again ? 0 : 1);
    QCOMPARE(shooting.game.score(), again ? 1000 : 0);
    if (again) {
        for (int i = 0; i < ShootingGame::signCount; ++i)
            QVERIFY2(shooting.game.sign(i).count == 15, qPrintable(QString::number(i)));
    }
}

void tst_ShootingGame::noWordToDraw_data()
{
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<int>("wordList");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("word list 4") << QStringLiteral("五笔") << 4 << QStringList{QStringLiteral("（4）")};
    QTest::newRow("word list -1") << QStringLiteral("五笔") << -1 << QStringList{QStringLiteral("（-1）")};
    QTest::newRow("a list with only empty, blank and ascii lines")
        << QStringLiteral("五笔") << 2 << QStringList{QStringLiteral("五笔"), QStringLiteral("三字词组")};
    QTest::newRow("a missing four-character file")
        << QStringLiteral("缺四字") << 3
        << QStringList{QStringLiteral("缺四字"), QStringLiteral("四字词组"), QStringLiteral("四字词组.txt")};
    QTest::newRow("no folder for the input method")
        << QStringLiteral("郑码") << 0 << QStringList{QStringLiteral("郑码"), QStringLiteral("单字"), QStringLiteral("bm.txt")};
}

void tst_ShootingGame::noWordToDraw()
{
    QFETCH(QString, inputMeans);
    QFETCH(int, wordList);
    QFETCH(QStringList, told);

    Shooting shooting {qint16(wordList), inputMeans};
    QSignalSpy ended(&shooting.game, &TypingGame::ended);
    shooting.game.start();

    QCOMPARE(shooting.prompter.asked().size(), 1);
    const ScriptedPrompter::Asked &asked = shooting.prompter.asked().first();
    for (const QString &part : told)
        QVERIFY2(asked.text.contains(part), qPrintable(asked.text));
    QCOMPARE(asked.title, QStringLiteral("提示"));
    QCOMPARE(asked.buttons, Prompter::Buttons::Ok);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!shooting.game.isActive());
    for (int timer = 0; timer < shooting.game.timerCount(); ++timer)
        QVERIFY(!shooting.game.isTimerOn(timer));
}

void tst_ShootingGame::tickInterval_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");

    QTest::newRow("0 慢") << 0 << 2000;
    QTest::newRow("1 中") << 1 << 1500;
    QTest::newRow("2 快") << 2 << 1000;
    QTest::newRow("3 极快") << 3 << 500;
    QTest::newRow("9: the default speed") << 9 << 2000;
}

void tst_ShootingGame::tickInterval()
{
    QFETCH(int, speed);
    QFETCH(int, interval);

    Shooting shooting;
    shooting.settings.P3Speed = qint16(speed);
    shooting.startOnPhrases();
    QCOMPARE(shooting.game.interval(ShootingGame::Tick), interval);
}

QTEST_GUILESS_MAIN(tst_ShootingGame)
#include "tst_shootinggame.moc"
