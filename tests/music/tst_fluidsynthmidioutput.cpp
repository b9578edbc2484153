// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/FluidSynthMidiOutput.h"

#include "core/sound/MidiOut.h"
#include "music/MixerDevice.h"

#include "DiskAudio.h"
#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

class tst_FluidSynthMidiOutput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void noteSoundsUntilNoteOff();
    void cannotStart_data();
    void cannotStart();
};

namespace {

const QString soundFont = QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/soundfonts/sf_GMbank.sf2");

// The recording's loud samples between two byte offsets (16-bit samples).
qsizetype loudSamplesBetween(const QString &recording, qint64 from, qint64 to)
{
    QFile file(recording);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
        return -1;
    const QByteArray bytes = file.read(to - from);
    const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
    return std::count_if(samples, samples + bytes.size() / 2, [](qint16 s) { return std::abs(int(s)) > 1000; });
}

qint64 recorded(const QString &recording)
{
    return QFileInfo(recording).size();
}

// SDL's disk driver takes the rate asked for: 16-bit stereo at 44.1 kHz.
constexpr qint64 second = 44100 * 2 * 2;

} // namespace

void tst_FluidSynthMidiOutput::cleanup()
{
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
}

// An organ holds its note for as long as the key is down, so silence after
// the note off is the note off's doing, not the sound dying away.
void tst_FluidSynthMidiOutput::noteSoundsUntilNoteOff()
{
    TestFolder folder;
    const QString recording = folder.file("out.raw");
    recordNextDeviceInto(recording);
    MixerDevice device;
    QVERIFY(device.isOpen());
    FluidSynthMidiOutput synth(device, soundFont);
    ScriptedPrompter prompter;
    MidiOut midi(synth, prompter);

    QTRY_VERIFY(recorded(recording) > second / 4);
    QCOMPARE(loudSamplesIn(recording), 0);
    QVERIFY(!synth.isRunning());

    QVERIFY(midi.ProgramChange(0, 16)); // "Organ 1"
    QVERIFY(midi.TestNote(9));          // "J": note 45
    QVERIFY(synth.isRunning());
    const qint64 noteOn = recorded(recording);
    QTRY_VERIFY_WITH_TIMEOUT(recorded(recording) > noteOn + second, 10000);
    // Still sounding a second later, in its last tenth.
    const qint64 held = recorded(recording);
    QVERIFY(loudSamplesBetween(recording, held - second / 10, held) > 1000);

    QVERIFY(midi.NoteOff(0, midi.lastNote()));
    const qint64 noteOff = recorded(recording);
    // The release and the device's buffers come first; after them, silence.
    QTRY_VERIFY_WITH_TIMEOUT(recorded(recording) > noteOff + 2 * second, 10000);
    const qint64 end = recorded(recording);
    QCOMPARE(loudSamplesBetween(recording, end - second / 2, end), 0);
    QVERIFY(prompter.asked().isEmpty());
}

void tst_FluidSynthMidiOutput::cannotStart_data()
{
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("error");

    QTest::newRow("no sound device") << QByteArray("no-such-driver") << soundFont
                                     << "没有可用的声音设备，不能演奏音符。";
    QTest::newRow("no soundfont") << QByteArray("dummy") << "/no/such/folder/gm.sf2" << "无法读取音色库：gm.sf2";
    QTest::newRow("not a soundfont") << QByteArray("dummy") << QINTARA_SHIPPED_DATA_DIR "/soundfonts/README.txt"
                                     << "无法读取音色库：README.txt";
}

// Every message answers why, and the note test shows it once.
void tst_FluidSynthMidiOutput::cannotStart()
{
    QFETCH(QByteArray, driver);
    QFETCH(QString, font);
    QFETCH(QString, error);

    qputenv("SDL_AUDIODRIVER", driver);
    if (driver == "no-such-driver")
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^The music's sound stream could not be opened")));
    MixerDevice device;
    FluidSynthMidiOutput synth(device, font);
    QCOMPARE(synth.send(0x7F2490), std::optional<QString>(error));
    ScriptedPrompter prompter;
    MidiOut midi(synth, prompter);
    QVERIFY(!midi.TestNote(0));
    QCOMPARE(prompter.texts(), QStringList{error});
    QVERIFY(!synth.isRunning());
}

QTEST_MAIN(tst_FluidSynthMidiOutput)
#include "tst_fluidsynthmidioutput.moc"
