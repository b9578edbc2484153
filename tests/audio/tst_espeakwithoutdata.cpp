// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
// A program of its own: espeak-ng is set up once per process, so a failed
// set-up must be tried before any good one.
#include "audio/EspeakSpeechEngine.h"

#include "FakeSoundOutput.h"
#include "TestFolder.h"

#include <QTest>

class tst_EspeakWithoutData : public QObject
{
    Q_OBJECT

private slots:
    void missingDataIsNotReady();
};

void tst_EspeakWithoutData::missingDataIsNotReady()
{
    TestFolder empty;
    FakeSoundOutput output;
    EspeakSpeechEngine engine(output, empty.path());
    QVERIFY(!engine.isReady());
    QVERIFY(!engine.speak(QStringLiteral("hello"), {}, 170));
    QVERIFY(output.played().isEmpty());
}

QTEST_MAIN(tst_EspeakWithoutData)
#include "tst_espeakwithoutdata.moc"
