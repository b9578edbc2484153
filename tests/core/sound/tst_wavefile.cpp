// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/DefaultSound.h"
#include "core/sound/WaveFile.h"

#include <QTest>
#include <QtEndian>

#include <array>
#include <cstdlib>

class tst_WaveFile : public QObject
{
    Q_OBJECT

private slots:
    void monoSamplesToBytes();
    void defaultSoundIsAShortAudibleBeep();
};

void tst_WaveFile::monoSamplesToBytes()
{
    const std::array<qint16, 3> samples{1, -2, 0x1234};
    const QByteArray expected = QByteArray::fromHex(
        "52494646" "2a000000" "57415645"          // "RIFF", 36 + 6, "WAVE"
        "666d7420" "10000000" "0100" "0100"       // "fmt ", 16, PCM, mono
        "22560000" "44ac0000" "0200" "1000"       // 22050 Hz, 44100 bytes/s, block 2, 16 bits
        "64617461" "06000000" "0100" "feff" "3412"); // "data", 6 bytes, samples
    QCOMPARE(WaveFile::fromMonoSamples(samples, 22050).toHex(), expected.toHex());
}

void tst_WaveFile::defaultSoundIsAShortAudibleBeep()
{
    const QByteArray wave = DefaultSound::wave();
    QVERIFY(wave.startsWith("RIFF"));
    const int rate = qFromLittleEndian<qint32>(wave.constData() + 24);
    const int dataBytes = qFromLittleEndian<qint32>(wave.constData() + 40);
    QCOMPARE(wave.size(), 44 + dataBytes);
    const int count = dataBytes / 2;
    const double seconds = double(count) / rate;
    QVERIFY2(seconds >= 0.05 && seconds <= 0.3, qPrintable(QString::number(seconds)));

    int peak = 0;
    for (int i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wave.constData() + 44 + 2 * i))));
    QVERIFY2(peak > 4000 && peak < 32000, qPrintable(QString::number(peak))); // heard, not clipped
    const auto sampleAt = [&](int i) { return std::abs(int(qFromLittleEndian<qint16>(wave.constData() + 44 + 2 * i))); };
    QVERIFY(sampleAt(0) < 200);         // starts without a click
    QVERIFY(sampleAt(count - 1) < 1000); // has faded out
}

QTEST_GUILESS_MAIN(tst_WaveFile)
#include "tst_wavefile.moc"
