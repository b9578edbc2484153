// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "audio/EspeakSpeechEngine.h"
#include "audio/EspeakSynthesizer.h"
#include "audio/SdlAudioOutput.h"

#include "DiskAudio.h"
#include "FakeSoundOutput.h"
#include "TestFolder.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using Language = SpeechVoice::Language;
using Gender = SpeechVoice::Gender;
Q_DECLARE_METATYPE(SpeechVoice)

namespace {

constexpr int audibleLevel = 1000;

int peakOf(const std::vector<qint16> &samples)
{
    int peak = 0;
    for (const qint16 sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

QString longText()
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    return text;
}

} // namespace

class tst_EspeakSpeechEngine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void wordBecomesSamples_data();
    void wordBecomesSamples();
    void stopRequestEndsSynthesis();
    void spokenWordReachesTheOutput();
    void newTextReplacesOneStillBeingSynthesised();
    void spokenWordReachesTheDevice();
};

void tst_EspeakSpeechEngine::cleanup()
{
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
}

void tst_EspeakSpeechEngine::wordBecomesSamples_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<SpeechVoice>("voice");

    QTest::newRow("English, female") << "hello" << SpeechVoice{Language::English, Gender::Female};
    QTest::newRow("English, male") << "hello" << SpeechVoice{Language::English, Gender::Male};
    QTest::newRow("Chinese, female") << "你好" << SpeechVoice{Language::Chinese, Gender::Female};
    QTest::newRow("Chinese, male") << "你好" << SpeechVoice{Language::Chinese, Gender::Male};
}

void tst_EspeakSpeechEngine::wordBecomesSamples()
{
    QFETCH(QString, text);
    QFETCH(SpeechVoice, voice);

    EspeakSynthesizer synthesizer;
    QVERIFY(synthesizer.isReady());
    QVERIFY(synthesizer.hasVoice(voice.language));
    const auto samples = synthesizer.synthesise(text, voice, 170);
    QVERIFY(samples);
    // At least a tenth of a second of sound.
    QVERIFY(samples->size() > std::size_t(synthesizer.sampleRate() / 10));
    QVERIFY(peakOf(*samples) > audibleLevel);
}

void tst_EspeakSpeechEngine::stopRequestEndsSynthesis()
{
    EspeakSynthesizer synthesizer;
    int asked = 0;
    const auto samples = synthesizer.synthesise(longText(), {}, 170, [&asked] { return ++asked > 2; });
    QVERIFY(!samples);
    QVERIFY(asked > 2);
}

void tst_EspeakSpeechEngine::spokenWordReachesTheOutput()
{
    FakeSoundOutput output;
    EspeakSpeechEngine engine(output);
    QVERIFY(engine.isReady());
    QVERIFY(engine.speak(QStringLiteral("hello"), {}, 170));
    QTRY_COMPARE(output.speech().size(), 1);
    QVERIFY(output.speech().first().startsWith("RIFF"));
    QVERIFY(output.speech().first().size() > 4000);
}

void tst_EspeakSpeechEngine::newTextReplacesOneStillBeingSynthesised()
{
    FakeSoundOutput output;
    EspeakSpeechEngine engine(output);
    QSignalSpy failed(&engine, &SpeechEngine::speechFailed);
    QVERIFY(engine.speak(longText(), {}, 170));
    QVERIFY(engine.speak(QStringLiteral("cat"), {}, 170));
    // The thread works in order: had the long text been played, it would
    // have come before the word.
    QTRY_COMPARE(output.speech().size(), 1);
    QVERIFY(output.speech().first().size() < 200000);
    QCOMPARE(failed.count(), 0);
}

void tst_EspeakSpeechEngine::spokenWordReachesTheDevice()
{
    TestFolder folder;
    const QString recording = folder.file("out.raw");
    recordNextDeviceInto(recording);
    SdlAudioOutput output;
    QVERIFY(output.isOpen());
    EspeakSpeechEngine engine(output);
    QVERIFY(engine.speak(QStringLiteral("中国"), {Language::Chinese, Gender::Female}, 170));
    QTRY_VERIFY_WITH_TIMEOUT(loudSamplesIn(recording) > 0, 5000);
}

QTEST_MAIN(tst_EspeakSpeechEngine)
#include "tst_espeakspeechengine.moc"
