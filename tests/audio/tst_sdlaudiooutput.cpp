// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/SdlAudioOutput.h"

#include "core/sound/WaveFile.h"

#include "DiskAudio.h"
#include "TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <algorithm>
#include <csignal>
#include <malloc.h>
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

// The bytes the heap holds now, in every arena and in blocks of their own.
qint64 heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

QStringList soundFixtures(const QString &folder)
{
    return QDir(QStringLiteral(QINTARA_TEST_DATA_DIR "/sound/") + folder).entryList({"*.wav"}, QDir::Files);
}

} // namespace

class tst_SdlAudioOutput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void playsEveryShippedSound();
    void preloadKeepsTheFileAndConvertsOnFirstPlay();
    void levelUpSoundWaitsForItsEnd();
    void noDeviceIsSilentAndCountsNone();
    void keySoundAndBeepReachTheDevice_data();
    void keySoundAndBeepReachTheDevice();
    void brokenFileIsReadOnceAndLoggedOnce_data();
    void brokenFileIsReadOnceAndLoggedOnce();
    void everyFileThatPassesTheCheckPlays();
    void leavesTheTerminationSignalsAlone();
    void handedOverVoicesPlayThroughAnotherDevice();
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

// A sound converted for the device takes several times its file, and most
// sounds are never played in a session: a preload keeps the checked file, the
// first play converts it, with no disk read left by then.
void tst_SdlAudioOutput::preloadKeepsTheFileAndConvertsOnFirstPlay()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    TestFolder folder;
    QStringList files;
    qint64 fileBytes = 0;
    for (const QString &file : shippedSoundFiles()) {
        files.append(folder.file(QFileInfo(file).fileName()));
        QVERIFY(QFile::copy(file, files.last()));
        fileBytes += QFileInfo(file).size();
    }

    const qint64 before = heapBytes();
    for (const QString &file : files)
        output.preload(file);
    const qint64 preloaded = heapBytes() - before;
    QVERIFY2(preloaded < 2 * fileBytes, qPrintable(QStringLiteral("%1 of %2").arg(preloaded).arg(fileBytes)));

    for (const QString &file : files)
        QVERIFY(QFile::remove(file));
    for (const QString &file : files)
        QVERIFY2(output.play(file), qPrintable(file));
    const qint64 played = heapBytes() - before;
    QVERIFY2(played > 3 * fileBytes, qPrintable(QStringLiteral("%1 of %2").arg(played).arg(fileBytes)));
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
    recordNextDeviceInto(recording);
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    if (file.isEmpty())
        output.playDefaultSound();
    else
        QVERIFY(output.play(file));
    QTRY_VERIFY_WITH_TIMEOUT(loudSamplesIn(recording) > 0, 3000);
}

void tst_SdlAudioOutput::brokenFileIsReadOnceAndLoggedOnce_data()
{
    QTest::addColumn<QString>("file");

    const QStringList broken = soundFixtures(QStringLiteral("broken"));
    QVERIFY(broken.size() >= 10);
    for (const QString &file : broken)
        QTest::newRow(qPrintable(file)) << file;
    QTest::newRow("missing") << QString();
}

void tst_SdlAudioOutput::brokenFileIsReadOnceAndLoggedOnce()
{
    QFETCH(QString, file);

    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    TestFolder folder;
    if (!file.isEmpty())
        folder.copyFixture(QStringLiteral("sound/broken"));
    const QString path = folder.file(file.isEmpty() ? QStringLiteral("missing.wav") : file);

    const QRegularExpression named(QRegularExpression::escape(path));
    QTest::ignoreMessage(QtWarningMsg, named);
    output.preload(path);
    QTest::failOnWarning(named);
    QVERIFY(!output.play(path));
    QVERIFY(!output.playToEnd(path));
    // Mended on disk during the run: the file is not read again, so the
    // sound stays what it was at its first use.
    QFile::remove(path);
    QVERIFY(QFile::copy(shipped("Music/sound/type.wav"), path));
    QVERIFY(!output.play(path));
}

void tst_SdlAudioOutput::everyFileThatPassesTheCheckPlays()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlAudioOutput output;
    const QStringList playable = soundFixtures(QStringLiteral("playable"));
    QVERIFY(playable.size() >= 5);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("声音文件")));
    for (const QString &file : playable)
        QVERIFY2(output.play(QStringLiteral(QINTARA_TEST_DATA_DIR "/sound/playable/") + file), qPrintable(file));
}

void tst_SdlAudioOutput::leavesTheTerminationSignalsAlone()
{
    // SDL takes SIGINT and SIGTERM for events nobody reads unless told not
    // to, and kill would no longer end the program.
    const auto handlerOf = [](int signalNumber) {
        struct sigaction action = {};
        sigaction(signalNumber, nullptr, &action);
        return action.sa_handler;
    };
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    QVERIFY(handlerOf(SIGINT) == SIG_DFL);
    QVERIFY(handlerOf(SIGTERM) == SIG_DFL);
}

// SDL's dummy driver opens one device per program, as some drivers do: the
// voices' own device closes, another device mixes them in, and they get
// their device back afterwards.
void tst_SdlAudioOutput::handedOverVoicesPlayThroughAnotherDevice()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    const int frequency = output.handOver();
    QCOMPARE(frequency, 44100);
    QCOMPARE(output.handOver(), 0); // nothing left to hand over
    QVERIFY(output.isOpen());
    QCOMPARE_GT(output.deviceCount(), 0);

    // The one device is free for the other.
    QCOMPARE(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    SDL_AudioSpec wanted{};
    wanted.freq = frequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 256;
    const SDL_AudioDeviceID other = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    QVERIFY2(other != 0, SDL_GetError());

    QVERIFY(output.play(shipped("Music/sound/type.wav")));
    output.playSpeech(WaveFile::fromMonoSamples(std::vector<qint16>(22050, 3000), 22050));
    // A tenth of a second of the other device's sound, silent before.
    std::vector<qint16> stream(size_t(frequency) / 10 * 2, 0);
    output.mixInto(reinterpret_cast<unsigned char *>(stream.data()), int(stream.size() * sizeof(qint16)));
    const auto loud = std::count_if(stream.begin(), stream.end(), [](qint16 s) { return std::abs(int(s)) > 1000; });
    QCOMPARE_GT(loud, qsizetype(stream.size() / 2));

    SDL_CloseAudioDevice(other);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    output.takeBack();
    QVERIFY(output.isOpen());
    QCOMPARE(output.handOver(), frequency); // its own device again
    output.takeBack();
}

QTEST_MAIN(tst_SdlAudioOutput)
#include "tst_sdlaudiooutput.moc"
