// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/SoundEffects.h"

#include "core/platform/ProgramFolder.h"

#include "FakeSoundOutput.h"

#include <QFileInfo>
#include <QTest>

using GameSound = SoundEffects::GameSound;
Q_DECLARE_METATYPE(GameSound)

namespace {

// The shipped program folder: all eleven files sit in "Music/sound", and the
// literals' "\Music\SOUND\" must find them there.
QString shipped(const QString &relative)
{
    return QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/") + relative;
}

} // namespace

class tst_SoundEffects : public QObject
{
    Q_OBJECT

private slots:
    void keySounds_data();
    void keySounds();
    void gameSounds_data();
    void gameSounds();
    void unplayableFileFallsBack_data();
    void unplayableFileFallsBack();
    void everyFileIsShippedAndPreloaded();
};

void tst_SoundEffects::keySounds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("played");

    QTest::newRow("1 wrong key") << 1 << QStringList{"play " + shipped("Music/sound/cw.WAV")};
    QTest::newRow("2 right key") << 2 << QStringList{"play " + shipped("Music/sound/type.wav")};
    QTest::newRow("3 item completed") << 3 << QStringList{"play " + shipped("Music/sound/enter.wav")};
    QTest::newRow("0 plays nothing") << 0 << QStringList{};
    QTest::newRow("4 plays nothing") << 4 << QStringList{};
    QTest::newRow("negative plays nothing") << -2 << QStringList{};
}

void tst_SoundEffects::keySounds()
{
    QFETCH(int, kind);
    QFETCH(QStringList, played);

    FakeSoundOutput output;
    SoundEffects effects(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), output);
    effects.PlayKeySound(qint16(kind));
    QCOMPARE(output.played(), played);
}

void tst_SoundEffects::gameSounds_data()
{
    QTest::addColumn<GameSound>("sound");
    QTest::addColumn<QString>("played");

    QTest::newRow("score warning") << GameSound::ScoreWarning << "play " + shipped("Music/sound/blip.WAV");
    QTest::newRow("letter caught") << GameSound::LetterCaught << "play " + shipped("Music/sound/slurp.wav");
    QTest::newRow("letter dropped") << GameSound::LetterDropped << "play " + shipped("Music/sound/plop.wav");
    QTest::newRow("splash") << GameSound::Splash << "play " + shipped("Music/sound/Bog.wav");
    QTest::newRow("mole up") << GameSound::MoleUp << "play " + shipped("Music/sound/DOG.WAV");
    QTest::newRow("mole hit") << GameSound::MoleHit << "play " + shipped("Music/sound/DEADDOGC.WAV");
    QTest::newRow("shot") << GameSound::Shot << "play " + shipped("Music/sound/q028.WAV");
    QTest::newRow("level up waits for its end")
        << GameSound::LevelUp << "play to end " + shipped("Music/sound/eolc.wav");
}

void tst_SoundEffects::gameSounds()
{
    QFETCH(GameSound, sound);
    QFETCH(QString, played);

    FakeSoundOutput output;
    SoundEffects effects(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), output);
    effects.playGameSound(sound);
    QCOMPARE(output.played(), QStringList{played});
}

void tst_SoundEffects::unplayableFileFallsBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("keyKind");       // 0: play the game sound instead
    QTest::addColumn<GameSound>("gameSound");
    QTest::addColumn<QStringList>("played");

    QTest::newRow("key sound") << "Music/sound/type.wav" << 2 << GameSound::Shot
                               << QStringList{"default sound"};
    QTest::newRow("game sound") << "Music/sound/q028.WAV" << 0 << GameSound::Shot
                                << QStringList{"default sound"};
    QTest::newRow("level-up fanfare stays silent")
        << "Music/sound/eolc.wav" << 0 << GameSound::LevelUp << QStringList{};
}

void tst_SoundEffects::unplayableFileFallsBack()
{
    QFETCH(QString, file);
    QFETCH(int, keyKind);
    QFETCH(GameSound, gameSound);
    QFETCH(QStringList, played);

    FakeSoundOutput output;
    output.setUnplayable(shipped(file));
    SoundEffects effects(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), output);
    if (keyKind != 0)
        effects.PlayKeySound(qint16(keyKind));
    else
        effects.playGameSound(gameSound);
    QCOMPARE(output.played(), played);
}

void tst_SoundEffects::everyFileIsShippedAndPreloaded()
{
    FakeSoundOutput output;
    SoundEffects effects(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), output);
    // The key sounds at once, the game sounds once a game asks for them.
    QCOMPARE(output.preloaded().size(), 3);
    effects.preloadGameSounds();
    effects.preloadGameSounds();
    QCOMPARE(output.preloaded().size(), 11);
    for (const QString &path : output.preloaded())
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
}

QTEST_GUILESS_MAIN(tst_SoundEffects)
#include "tst_soundeffects.moc"
