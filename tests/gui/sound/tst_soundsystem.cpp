// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/SoundSystem.h"

#include "core/platform/ProgramFolder.h"

#include "DiskAudio.h"
#include "TestFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

class tst_SoundSystem : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void keySoundAndSpeechShareTheDevice();
    void notesPlayOnAStreamOfTheirOwnBesideKeySounds();
    void withoutTheModulesTheProgramIsSilent();
};

void tst_SoundSystem::cleanup()
{
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
}

void tst_SoundSystem::keySoundAndSpeechShareTheDevice()
{
    TestFolder folder;
    const QString recording = folder.file("out.raw");
    recordNextDeviceInto(recording);
    {
        SoundSystem sound(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), QStringLiteral(QINTARA_PROGRAM_DIR));
        QCOMPARE_GT(sound.output().deviceCount(), 0);
        QVERIFY(sound.speechEngine().isReady());
        sound.effects().PlayKeySound(2);
        QVERIFY(sound.speechEngine().speak(QStringLiteral("hello"), {}, 170));
        const auto loudSamples = [&recording] { return loudSamplesIn(recording); };
        // The 35 ms tick gives a few thousand loud samples; the spoken word
        // on the other channel brings many more.
        QTRY_VERIFY_WITH_TIMEOUT(loudSamples() > 20000, 5000);
    } // the engine stops before the device closes: no hang, no crash
}

// Two devices open at once in one program: the effects' and, from the first
// note on, the music module's. SDL's disk driver names each recording when
// its device opens.
void tst_SoundSystem::notesPlayOnAStreamOfTheirOwnBesideKeySounds()
{
    TestFolder folder;
    const QString effects = folder.file("effects.raw");
    const QString notes = folder.file("notes.raw");
    recordNextDeviceInto(effects);
    SoundSystem sound(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), QStringLiteral(QINTARA_PROGRAM_DIR));
    QVERIFY(!QFileInfo::exists(notes));
    recordNextDeviceInto(notes);
    QCOMPARE(sound.midi().send(0x0010C0), std::nullopt); // "Organ 1", held as long as the key
    QCOMPARE(sound.midi().send(0x7F2D90), std::nullopt); // note 45
    sound.effects().PlayKeySound(2);
    QTRY_VERIFY_WITH_TIMEOUT(loudSamplesIn(notes) > 10000, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(loudSamplesIn(effects) > 1000, 5000);
    QCOMPARE(sound.midi().send(0x002D80), std::nullopt);
}

void tst_SoundSystem::withoutTheModulesTheProgramIsSilent()
{
    TestFolder noModule;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^The audio module could not be loaded, the program stays silent:")));
    SoundSystem sound(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), noModule.path());
    QCOMPARE(sound.output().deviceCount(), 0);
    QVERIFY(!sound.speechEngine().isReady());
    QVERIFY(!sound.speechEngine().speak(QStringLiteral("hello"), {}, 170));
    sound.effects().PlayKeySound(2);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^The music module could not be loaded, music and notes stay silent:")));
    sound.music().play(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/Music/欢乐颂.mid"));
    QVERIFY(!sound.music().isPlaying());
    QVERIFY(sound.midi().send(0x7f2490).has_value());
}

QTEST_MAIN(tst_SoundSystem)
#include "tst_soundsystem.moc"
