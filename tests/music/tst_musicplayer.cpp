// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/MusicPlayer.h"

#include "core/sound/WaveFile.h"
#include "music/MixerDevice.h"

#include "DiskAudio.h"
#include "TestFolder.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <vector>

class tst_MusicPlayer : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void listPlaysInOrderAndLoops();
    void nothingPlayableEndsQuietly();
    void stopSilencesAtOnce();
    void shippedTuneSoundsThroughTheSoundFont();
    void withoutDeviceStaysSilent();
};

namespace {

const QString soundFont = QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/soundfonts/sf_GMbank.sf2");

// A loud sine tone of the given length, as a WAV file.
QByteArray tone(int milliseconds)
{
    constexpr int rate = 22050;
    std::vector<qint16> samples(size_t(rate) * milliseconds / 1000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qint16(12000 * std::sin(double(i) * 440.0 * 2 * M_PI / rate));
    return WaveFile::fromMonoSamples(samples, rate);
}

QStringList names(const QSignalSpy &spy)
{
    QStringList started;
    for (const QList<QVariant> &call : spy)
        started.append(QFileInfo(call.at(0).toString()).fileName());
    return started;
}

} // namespace

void tst_MusicPlayer::cleanup()
{
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
}

void tst_MusicPlayer::listPlaysInOrderAndLoops()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    TestFolder folder;
    folder.write("a.wav", tone(40));
    folder.write("Sub/b.wav", tone(40));
    folder.write("c.wav", tone(40));
    folder.write("list.m3u", "#EXTM3U\r\n" + folder.file("a.wav").toUtf8() + "\r\nsub\\B.WAV\r\n\r\nmissing.mid\r\n"
                                 + folder.file("c.wav").toUtf8() + "\r\n");
    MixerDevice device;
    QVERIFY(device.isOpen());
    // Tiny files give little music per round; 1 ms is enough to go round.
    MusicPlayer player(device, soundFont, 1);
    QSignalSpy started(&player, &MusicPlayer::entryStarted);

    // The missing file is named once, however often the list comes round.
    const QRegularExpression missing(QStringLiteral("背景音乐无法播放：.*missing\\.mid"));
    QTest::ignoreMessage(QtWarningMsg, missing);
    QTest::failOnWarning(missing);
    player.play(folder.file("list.m3u"));
    QVERIFY(player.isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(started.size() >= 7, 10000);
    QCOMPARE(names(started).mid(0, 7), QStringList({"a.wav", "b.wav", "c.wav", "a.wav", "b.wav", "c.wav", "a.wav"}));

    // Resuming plays the entry that played last from its start.
    player.stop();
    QVERIFY(!player.isPlaying());
    const QString last = player.currentFile();
    QVERIFY(last.isEmpty());
    started.clear();
    player.resume();
    QVERIFY(player.isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!started.isEmpty(), 10000);

    // "0" stops and forgets: there is nothing to resume.
    player.play(QStringLiteral("0"));
    QVERIFY(!player.isPlaying());
    started.clear();
    player.resume();
    QVERIFY(!player.isPlaying());
    QTest::qWait(200);
    QVERIFY(started.isEmpty());
}

void tst_MusicPlayer::nothingPlayableEndsQuietly()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    TestFolder folder;
    folder.write("broken.wav", "RIFF, and then nothing");
    folder.write("list.m3u", "broken.wav\r\nmissing.mp3\r\n");
    MixerDevice device;
    MusicPlayer player(device, soundFont);
    QSignalSpy started(&player, &MusicPlayer::entryStarted);
    QSignalSpy ended(&player, &MusicPlayer::ended);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("broken\\.wav")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("missing\\.mp3")));
    player.play(folder.file("list.m3u"));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    QVERIFY(!player.isPlaying());
    // Ended for good: nothing is tried again behind the window's back.
    QTest::qWait(300);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(started.size(), 0);
}

void tst_MusicPlayer::stopSilencesAtOnce()
{
    TestFolder folder;
    const QString recording = folder.file("out.raw");
    folder.write("long.wav", tone(5000));
    recordNextDeviceInto(recording);
    MixerDevice device;
    QVERIFY(device.isOpen());
    MusicPlayer player(device, soundFont);
    QSignalSpy started(&player, &MusicPlayer::entryStarted);
    player.play(folder.file("long.wav"));
    QTRY_VERIFY_WITH_TIMEOUT(loudSamplesIn(recording) > 10000, 10000);

    player.stop();
    const qint64 stoppedAt = QFileInfo(recording).size();
    // A little more than the device buffers: what was mixed before stop().
    constexpr qint64 slackBytes = 8192 * 4;
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(recording).size() > stoppedAt + slackBytes + 44100, 10000);
    QFile file(recording);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.seek(stoppedAt + slackBytes));
    const QByteArray after = file.readAll();
    const auto *samples = reinterpret_cast<const qint16 *>(after.constData());
    const qsizetype loud = std::count_if(samples, samples + after.size() / 2,
                                         [](qint16 s) { return std::abs(int(s)) > 1000; });
    QCOMPARE(loud, 0);
    QCOMPARE(started.size(), 1);
}

void tst_MusicPlayer::shippedTuneSoundsThroughTheSoundFont()
{
    TestFolder folder;
    const QString recording = folder.file("out.raw");
    recordNextDeviceInto(recording);
    MixerDevice device;
    MusicPlayer player(device, soundFont);
    QSignalSpy started(&player, &MusicPlayer::entryStarted);
    player.play(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/Music/欢乐颂.mid"));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 10000);
    // A MIDI file without instruments would be silence.
    QTRY_VERIFY_WITH_TIMEOUT(loudSamplesIn(recording) > 20000, 10000);
}

void tst_MusicPlayer::withoutDeviceStaysSilent()
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    TestFolder folder;
    folder.write("a.wav", tone(40));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^The music's sound stream could not be opened")));
    MixerDevice device;
    QVERIFY(!device.isOpen());
    MusicPlayer player(device, soundFont);
    QSignalSpy started(&player, &MusicPlayer::entryStarted);
    player.play(folder.file("a.wav"));
    QVERIFY(player.isPlaying());
    player.stop();
    player.resume();
    QVERIFY(player.isPlaying());
    QCOMPARE(started.size(), 0);
}

QTEST_MAIN(tst_MusicPlayer)
#include "tst_musicplayer.moc"
