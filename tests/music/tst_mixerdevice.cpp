// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "music/MixerDevice.h"

#include "core/sound/EffectVoices.h"

#include "DiskAudio.h"
#include "TestFolder.h"

#include <QRegularExpression>
#include <QTest>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>

namespace {

// The effects' voices as a device of SDL's own, which counts what the
// music's device asks of it.
class DeviceVoices : public EffectVoices
{
public:
    DeviceVoices()
    {
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        open();
    }
    ~DeviceVoices() override
    {
        if (device != 0)
            SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    int handOver() override
    {
        ++handOvers;
        if (device == 0)
            return 0;
        SDL_CloseAudioDevice(device);
        device = 0;
        return 48000;
    }
    void takeBack() override
    {
        ++takeBacks;
        open();
    }
    void mixInto(unsigned char *, int length) override
    {
        mixedBytes += length;
    }

    SDL_AudioDeviceID device = 0;
    int handOvers = 0;
    int takeBacks = 0;
    std::atomic<qint64> mixedBytes{0};

private:
    void open()
    {
        SDL_AudioSpec wanted{};
        wanted.freq = 48000;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 2;
        wanted.samples = 256;
        device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    }
};

const QRegularExpression cannotOpen(
    QStringLiteral("^The music's sound stream could not be opened, music and notes stay silent:"));

} // namespace

class tst_MixerDevice : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void opensASecondStreamBesideTheEffects();
    void takesTheOnlyDeviceOverAndGivesItBack();
    void withoutAnyDeviceStaysSilent();
};

void tst_MixerDevice::cleanup()
{
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
}

void tst_MixerDevice::opensASecondStreamBesideTheEffects()
{
    TestFolder folder;
    recordNextDeviceInto(folder.file("effects.raw"));
    DeviceVoices effects;
    QVERIFY(effects.device != 0);
    recordNextDeviceInto(folder.file("music.raw"));
    {
        MixerDevice device(&effects);
        QVERIFY(device.isOpen());
        QVERIFY(!device.playsEffects());
    }
    QCOMPARE(effects.handOvers, 0);
    QCOMPARE(effects.takeBacks, 0);
    QVERIFY(effects.device != 0);
}

// SDL's dummy driver opens one device per program.
void tst_MixerDevice::takesTheOnlyDeviceOverAndGivesItBack()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    DeviceVoices effects;
    QVERIFY(effects.device != 0);
    {
        MixerDevice device(&effects);
        QVERIFY(device.isOpen());
        QVERIFY(device.playsEffects());
        QCOMPARE(effects.handOvers, 1);
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        QVERIFY(Mix_QuerySpec(&frequency, &format, &channels));
        QCOMPARE(frequency, 48000); // the voices' rate, so they mix as they are
        QCOMPARE(format, Uint16(AUDIO_S16SYS));
        QCOMPARE(channels, 2);
        QTRY_VERIFY(effects.mixedBytes.load() > 48000);
    }
    QCOMPARE(effects.takeBacks, 1);
    QVERIFY(effects.device != 0);
    // The mixer no longer asks for them.
    const qint64 mixed = effects.mixedBytes.load();
    QTest::qWait(50);
    QCOMPARE(effects.mixedBytes.load(), mixed);
}

void tst_MixerDevice::withoutAnyDeviceStaysSilent()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    // The one device is held by something that cannot hand it over.
    QCOMPARE(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 256;
    const SDL_AudioDeviceID held = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    QVERIFY(held != 0);
    {
        DeviceVoices effects;
        QCOMPARE(effects.device, SDL_AudioDeviceID(0));
        QTest::ignoreMessage(QtWarningMsg, cannotOpen);
        MixerDevice device(&effects);
        QVERIFY(!device.isOpen());
        QCOMPARE(effects.handOvers, 1);
        QCOMPARE(effects.takeBacks, 0);
    }
    SDL_CloseAudioDevice(held);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

QTEST_MAIN(tst_MixerDevice)
#include "tst_mixerdevice.moc"
