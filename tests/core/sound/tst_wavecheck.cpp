// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/WaveCheck.h"
#include "core/sound/WaveFile.h"

#include "TestFolder.h"

#include <QTest>
#include <QtEndian>

#include <vector>

using Problem = WaveCheck::Problem;

class tst_WaveCheck : public QObject
{
    Q_OBJECT

private slots:
    void brokenFilesAreRefused_data();
    void brokenFilesAreRefused();
    void playableFilesComeOutPlain_data();
    void playableFilesComeOutPlain();
    void limits_data();
    void limits();
};

void tst_WaveCheck::brokenFilesAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Problem>("problem");

    const auto row = [](const char *file, Problem problem) {
        QTest::newRow(file) << QString::fromLatin1(file) << problem;
    };
    row("empty.wav", Problem::NotWave);
    row("nul-bytes.wav", Problem::NotWave);
    row("text.wav", Problem::NotWave);
    row("id3-header.wav", Problem::NotWave); // SDL would hand it to its MP3 reader
    row("riff-only.wav", Problem::NoFormat);
    row("header-cut.wav", Problem::CutShort);
    row("data-cut.wav", Problem::CutShort);
    row("data-size-lies.wav", Problem::CutShort);
    row("format-size-lies.wav", Problem::CutShort);
    row("unknown-block-cut.wav", Problem::CutShort);
    row("format-too-short.wav", Problem::NoFormat);
    row("no-format.wav", Problem::NoFormat);
    row("no-data.wav", Problem::NoSamples);
    row("empty-data.wav", Problem::NoSamples);
    row("half-frame.wav", Problem::NoSamples);
    row("zero-channels.wav", Problem::UnsupportedFormat);
    row("frame-size-lies.wav", Problem::UnsupportedFormat);
    row("adpcm.wav", Problem::UnsupportedFormat);
    row("twelve-bits.wav", Problem::UnsupportedFormat);
    row("rate-zero.wav", Problem::UnsupportedFormat);
}

void tst_WaveCheck::brokenFilesAreRefused()
{
    QFETCH(QString, file);
    QFETCH(Problem, problem);

    const WaveCheck check = WaveCheck::of(readFixture(QStringLiteral("sound/broken/") + file));
    QCOMPARE(check.problem, problem);
    QVERIFY(check.wave.isEmpty());
}

void tst_WaveCheck::playableFilesComeOutPlain_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("sampleOffset"); // where the samples start in the file
    QTest::addColumn<int>("sampleBytes");  // whole frames only

    QTest::newRow("plain") << "plain.wav" << 1 << 1 << 22050 << 16 << 44 << 882;
    QTest::newRow("RIFF size lies") << "riff-size-lies.wav" << 1 << 1 << 22050 << 16 << 44 << 882;
    QTest::newRow("odd block and its pad byte") << "odd-block-before-data.wav" << 1 << 1 << 22050 << 16 << 58 << 882;
    QTest::newRow("18-byte format block") << "long-format-block.wav" << 1 << 1 << 22050 << 16 << 46 << 882;
    QTest::newRow("half a frame at the end") << "trailing-half-frame.wav" << 1 << 1 << 22050 << 16 << 44 << 882;
    QTest::newRow("stereo 8-bit") << "stereo-8-bit.wav" << 1 << 2 << 22050 << 8 << 44 << 882;
    QTest::newRow("24-bit") << "mono-24-bit.wav" << 1 << 1 << 44100 << 24 << 44 << 2646;
    QTest::newRow("float") << "float.wav" << 3 << 1 << 48000 << 32 << 44 << 3840;
    QTest::newRow("extensible") << "extensible.wav" << 1 << 1 << 22050 << 16 << 68 << 882;
    QTest::newRow("a damaged block after the samples") << "data-then-junk.wav" << 1 << 1 << 22050 << 16 << 44 << 882;
}

void tst_WaveCheck::playableFilesComeOutPlain()
{
    QFETCH(QString, file);
    QFETCH(int, tag);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(int, sampleOffset);
    QFETCH(int, sampleBytes);

    const QByteArray bytes = readFixture(QStringLiteral("sound/playable/") + file);
    const WaveCheck check = WaveCheck::of(bytes);
    QCOMPARE(check.problem, Problem::None);

    const QByteArray &wave = check.wave;
    QCOMPARE(wave.size(), 44 + sampleBytes);
    const auto at16 = [&wave](int offset) { return int(qFromLittleEndian<quint16>(wave.constData() + offset)); };
    const auto at32 = [&wave](int offset) { return qint64(qFromLittleEndian<quint32>(wave.constData() + offset)); };
    QCOMPARE(wave.first(4), QByteArray("RIFF"));
    QCOMPARE(at32(4), 36 + sampleBytes);
    QCOMPARE(wave.sliced(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(at32(16), 16);
    QCOMPARE(at16(20), tag);
    QCOMPARE(at16(22), channels);
    QCOMPARE(at32(24), rate);
    const int frameBytes = channels * bits / 8;
    QCOMPARE(at32(28), qint64(rate) * frameBytes);
    QCOMPARE(at16(32), frameBytes);
    QCOMPARE(at16(34), bits);
    QCOMPARE(wave.sliced(36, 4), QByteArray("data"));
    QCOMPARE(at32(40), sampleBytes);
    QCOMPARE(wave.sliced(44), bytes.sliced(sampleOffset, sampleBytes));
}

void tst_WaveCheck::limits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Problem>("problem");

    const auto silence = [](qsizetype samples, int rate) {
        return WaveFile::fromMonoSamples(std::vector<qint16>(std::size_t(samples), 0), rate);
    };
    QTest::newRow("300 s") << silence(300 * 1000, 1000) << Problem::None;
    QTest::newRow("300 s and one frame") << silence(300 * 1000 + 1, 1000) << Problem::TooLong;
    QTest::newRow("999 frames a second") << silence(10, 999) << Problem::UnsupportedFormat;
    QTest::newRow("384 kHz") << silence(10, 384000) << Problem::None;
    QTest::newRow("384,001 Hz") << silence(10, 384001) << Problem::UnsupportedFormat;
    QByteArray large = silence(10, 22050);
    large.resize(WaveCheck::MaxFileBytes + 1);
    QTest::newRow("larger than the limit") << large << Problem::TooLarge;
}

void tst_WaveCheck::limits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Problem, problem);

    QCOMPARE(WaveCheck::of(bytes).problem, problem);
}

QTEST_GUILESS_MAIN(tst_WaveCheck)
#include "tst_wavecheck.moc"
