// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/KeyboardMusic.h"

#include "core/settings/Settings.h"
#include "core/sound/MidiOut.h"

#include "FakeMidiOutput.h"
#include "ScriptedPrompter.h"

#include <QTest>

class tst_KeyboardMusic : public QObject
{
    Q_OBJECT

private slots:
    void lettersPlayNotes_data();
    void lettersPlayNotes();
    void settingIsReadOnEveryKey();
    void failingOutputIsReportedOnce();
    void noSynthesizerIsSilence();
};

namespace {

// A key as "keyCode/shift".
using Keys = QList<QPair<int, int>>;

} // namespace

void tst_KeyboardMusic::lettersPlayNotes_data()
{
    QTest::addColumn<int>("keyMusic");
    QTest::addColumn<int>("musicInst");
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QList<quint32>>("sent");

    // Program change on channel 0, note off for the note before (0 at
    // first), note on 36 + letter at velocity 127.
    QTest::newRow("A on the piano") << 1 << 0 << Keys{{'A', 0}} << QList<quint32>{0x0000C0, 0x000080, 0x7F2490};
    QTest::newRow("Z on the violin") << 1 << 40 << Keys{{'Z', 0}}
                                     << QList<quint32>{0x0028C0, 0x000080, 0x7F3D90};
    QTest::newRow("capital letters play too") << 1 << 0 << Keys{{'C', 1}}
                                              << QList<quint32>{0x0000C0, 0x000080, 0x7F2690};
    QTest::newRow("the next letter stops the one before")
        << 1 << 127 << Keys{{'A', 0}, {'B', 0}}
        << QList<quint32>{0x007FC0, 0x000080, 0x7F2490, 0x007FC0, 0x002480, 0x7F2590};
    QTest::newRow("instrument out of range plays the piano") << 1 << 300 << Keys{{'A', 0}}
                                                             << QList<quint32>{0x0000C0, 0x000080, 0x7F2490};
    QTest::newRow("switched off") << 0 << 0 << Keys{{'A', 0}} << QList<quint32>{};
    QTest::newRow("any value but 1 is off") << 2 << 0 << Keys{{'A', 0}} << QList<quint32>{};
    QTest::newRow("digits, space and Backspace are silent")
        << 1 << 0 << Keys{{'1', 0}, {' ', 0}, {8, 0}, {'@', 0}, {'[', 0}} << QList<quint32>{};
    QTest::newRow("Control or Alt with a letter is silent")
        << 1 << 0 << Keys{{'A', 2}, {'A', 4}, {'A', 3}} << QList<quint32>{};
}

void tst_KeyboardMusic::lettersPlayNotes()
{
    QFETCH(int, keyMusic);
    QFETCH(int, musicInst);
    QFETCH(Keys, keys);
    QFETCH(QList<quint32>, sent);

    Settings settings;
    settings.KeyMusic = qint16(keyMusic);
    settings.MusicInst = qint16(musicInst);
    FakeMidiOutput output;
    ScriptedPrompter prompter;
    MidiOut midi(output, prompter);
    KeyboardMusic music(settings, &midi);
    for (const auto &[code, shift] : keys)
        music.keyDown(code, shift);
    QCOMPARE(output.sent, sent);
}

// The settings dialog changes the record in place; the next key follows it.
void tst_KeyboardMusic::settingIsReadOnEveryKey()
{
    Settings settings;
    FakeMidiOutput output;
    ScriptedPrompter prompter;
    MidiOut midi(output, prompter);
    KeyboardMusic music(settings, &midi);
    music.keyDown('A', 0);
    QVERIFY(output.sent.isEmpty());
    settings.KeyMusic = 1;
    settings.MusicInst = 73;
    music.keyDown('A', 0);
    QCOMPARE(output.sent.value(0), quint32(0x0049C0));
    QCOMPARE(output.sent.size(), 3);
}

void tst_KeyboardMusic::failingOutputIsReportedOnce()
{
    Settings settings;
    settings.KeyMusic = 1;
    FakeMidiOutput output;
    output.failure = QStringLiteral("没有声音设备");
    ScriptedPrompter prompter;
    MidiOut midi(output, prompter);
    KeyboardMusic music(settings, &midi);
    for (int key : {'A', 'B', 'C'})
        music.keyDown(key, 0);
    QCOMPARE(prompter.texts(), QStringList{"没有声音设备"});
    QCOMPARE(output.sent.size(), 1);
}

void tst_KeyboardMusic::noSynthesizerIsSilence()
{
    Settings settings;
    settings.KeyMusic = 1;
    KeyboardMusic music(settings, nullptr);
    music.keyDown('A', 0); // must not crash
}

QTEST_GUILESS_MAIN(tst_KeyboardMusic)
#include "tst_keyboardmusic.moc"
