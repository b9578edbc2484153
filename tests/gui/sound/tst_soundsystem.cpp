// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/SoundSystem.h"

#include "core/platform/ProgramFolder.h"

#include "DiskAudio.h"
#include "TestFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

class tst_SoundSystem : public QObject
{
    Q_OBJECT

private slots:
    void keySoundAndSpeechShareTheDevice();
    void withoutTheModuleTheProgramIsSilent();
};

void tst_SoundSystem::keySoundAndSpeechShareTheDevice()
{
    TestFolder folder;
    const QString recording = folder.file("out.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", recording.toLocal8Bit());
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

void tst_SoundSystem::withoutTheModuleTheProgramIsSilent()
{
    TestFolder noModule;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^The audio module could not be loaded, the program stays silent:")));
    SoundSystem sound(ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR)), noModule.path());
    QCOMPARE(sound.output().deviceCount(), 0);
    QVERIFY(!sound.speechEngine().isReady());
    QVERIFY(!sound.speechEngine().speak(QStringLiteral("hello"), {}, 170));
    sound.effects().PlayKeySound(2);
    sound.music().play(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/Music/欢乐颂.mid"));
    QVERIFY(!sound.music().isPlaying());
    QVERIFY(sound.midi().send(0x7f2490).has_value());
}

QTEST_MAIN(tst_SoundSystem)
#include "tst_soundsystem.moc"
