// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/SdlAudioOutput.h"

#include "core/sound/WaveFile.h"

#include "DiskAudio.h"
#include "TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <vector>

namespace {

QStringList shippedSoundFiles()
{
    QStringList files;
    for (const char *folder : {"Music/sound", "resources"}) {
        const QDir dir(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/") + QLatin1String(folder));
        for (const QString &name : dir.entryList({"*.wav", "*.WAV"}, QDir::Files))
            files.append(dir.filePath(name));
    }
    return files;
}

QString shipped(const QString &relative)
{
    return QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/") + relative;
}

} // namespace

class tst_SdlAudioOutput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void playsEveryShippedSound();
    void levelUpSoundWaitsForItsEnd();
    void noDeviceIsSilentAndCountsNone();
    void keySoundAndBeepReachTheDevice_data();
    void keySoundAndBeepReachTheDevice();
};

void tst_SdlAudioOutput::cleanup()
{
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
}

void tst_SdlAudioOutput::playsEveryShippedSound()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    QVERIFY(output.deviceCount() >= 1);

    const QStringList files = shippedSoundFiles();
    QCOMPARE(files.size(), 13);
    for (const QString &file : files) {
        output.preload(file);
        QVERIFY2(output.play(file), qPrintable(file));
    }
    output.playDefaultSound();
    const std::vector<qint16> tone(2205, 3000);
    output.playSpeech(WaveFile::fromMonoSamples(tone, 22050));
    output.playSpeech(WaveFile::fromMonoSamples(tone, 22050)); // replaces the first

    TestFolder folder;
    folder.write("broken.wav", "RIFF, but nothing else");
    QVERIFY(!output.play(folder.file("broken.wav")));
    QVERIFY(!output.play(folder.file("missing.wav")));
    QVERIFY(!output.playToEnd(folder.file("missing.wav")));
}

void tst_SdlAudioOutput::levelUpSoundWaitsForItsEnd()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlAudioOutput output;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(output.playToEnd(shipped("Music/sound/eolc.wav")));
    // The fanfare lasts 1.35 s; the call must have waited for most of it.
    QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
}

void tst_SdlAudioOutput::noDeviceIsSilentAndCountsNone()
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    SdlAudioOutput output;
    QVERIFY(!output.isOpen());
    QCOMPARE(output.deviceCount(), 0);
    // Silence, not a fallback: there is nothing to fall back to.
    QVERIFY(output.play(shipped("Music/sound/type.wav")));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(output.playToEnd(shipped("Music/sound/eolc.wav")));
    QVERIFY(clock.elapsed() < 500);
    output.playDefaultSound();
    output.playSpeech(WaveFile::fromMonoSamples(std::vector<qint16>(100, 3000), 22050));
}

void tst_SdlAudioOutput::keySoundAndBeepReachTheDevice_data()
{
    QTest::addColumn<QString>("file"); // empty: the default sound

    QTest::newRow("right-key sound") << shipped("Music/sound/type.wav");
    QTest::newRow("default sound") << QString();
}

void tst_SdlAudioOutput::keySoundAndBeepReachTheDevice()
{
    QFETCH(QString, file);

    TestFolder folder;
    const QString recording = folder.file("out.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", recording.toLocal8Bit());
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    if (file.isEmpty())
        output.playDefaultSound();
    else
        QVERIFY(output.play(file));
    QTRY_VERIFY_WITH_TIMEOUT(loudSamplesIn(recording) > 0, 3000);
}

QTEST_MAIN(tst_SdlAudioOutput)
#include "tst_sdlaudiooutput.moc"
