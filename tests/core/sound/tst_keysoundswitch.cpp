// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/KeySoundSwitch.h"

#include "core/platform/ProgramFolder.h"
#include "core/settings/Settings.h"
#include "core/sound/SoundEffects.h"

#include "FakeSoundOutput.h"
#include "TestFolder.h"

#include <QTest>

class tst_KeySoundSwitch : public QObject
{
    Q_OBJECT

private slots:
    void keySoundsFollowCueMusic_data();
    void keySoundsFollowCueMusic();
};

void tst_KeySoundSwitch::keySoundsFollowCueMusic_data()
{
    QTest::addColumn<int>("cueMusic");
    QTest::addColumn<bool>("keySoundPlays");

    QTest::newRow("on") << 1 << true;
    QTest::newRow("off") << 0 << false;
    QTest::newRow("any value but 1 is off") << 2 << false;
}

void tst_KeySoundSwitch::keySoundsFollowCueMusic()
{
    QFETCH(int, cueMusic);
    QFETCH(bool, keySoundPlays);

    TestFolder folder;
    const ProgramFolder program(folder.path());
    FakeSoundOutput output;
    SoundEffects effects(program, output);
    Settings settings;
    settings.CueMusic = qint16(cueMusic);
    KeySoundSwitch keySounds(settings, effects);

    keySounds.play(KeySound::Right);
    effects.playGameSound(SoundEffects::GameSound::LetterCaught);

    QStringList expected;
    if (keySoundPlays)
        expected << "play " + program.path("\\Music\\sound\\type.wav");
    expected << "play " + program.path("\\Music\\SOUND\\slurp.wav");
    QCOMPARE(output.played(), expected);

    // The setting is read on every key, so a change in the settings dialog
    // takes effect at once.
    settings.CueMusic = qint16(keySoundPlays ? 0 : 1);
    output.clear();
    keySounds.play(KeySound::Wrong);
    QCOMPARE(output.played().size(), keySoundPlays ? 0 : 1);
}

QTEST_GUILESS_MAIN(tst_KeySoundSwitch)
#include "tst_keysoundswitch.moc"
