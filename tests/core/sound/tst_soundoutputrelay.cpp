// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/SoundOutputRelay.h"

#include "FakeSoundOutput.h"

#include <QtTest>

// The login window's sounds before and after the sound device is open.
class tst_SoundOutputRelay : public QObject
{
    Q_OBJECT

private slots:
    void beforeTheOutputNothingPlaysAndPreloadsWait();
    void afterTheOutputEverythingGoesThrough();
};

void tst_SoundOutputRelay::beforeTheOutputNothingPlaysAndPreloadsWait()
{
    SoundOutputRelay relay;
    relay.preload(QStringLiteral("over.wav"));
    QVERIFY(!relay.play(QStringLiteral("click.wav")));
    QVERIFY(!relay.playToEnd(QStringLiteral("click.wav")));
    relay.playDefaultSound();
    QCOMPARE(relay.deviceCount(), 0);

    FakeSoundOutput output;
    relay.setOutput(output);
    QCOMPARE(output.preloaded(), QStringList{QStringLiteral("over.wav")});
    QVERIFY(output.played().isEmpty());
}

void tst_SoundOutputRelay::afterTheOutputEverythingGoesThrough()
{
    FakeSoundOutput output;
    SoundOutputRelay relay;
    relay.setOutput(output);
    relay.preload(QStringLiteral("over.wav"));
    relay.play(QStringLiteral("click.wav"));
    QCOMPARE(output.preloaded(), QStringList{QStringLiteral("over.wav")});
    QCOMPARE(output.played().size(), 1);
    QCOMPARE(relay.deviceCount(), output.deviceCount());
}

QTEST_GUILESS_MAIN(tst_SoundOutputRelay)
#include "tst_soundoutputrelay.moc"
