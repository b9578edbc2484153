// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/MidiOut.h"

#include "FakeMidiOutput.h"
#include "ScriptedPrompter.h"

#include <QTest>

class tst_MidiOut : public QObject
{
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
    void errorIsShownWithoutTitle_data();
    void errorIsShownWithoutTitle();
    void failedTestNoteShowsOneBoxAndRemembersTheNote();
};

namespace {

// Runs calls written as "on 0 36 127; off 3 61; program 0 5; send 176 7 100;
// test 25" on midi.
void run(MidiOut &midi, const QString &calls)
{
    for (const QString &call : calls.split(u';', Qt::SkipEmptyParts)) {
        const QStringList word = call.split(u' ', Qt::SkipEmptyParts);
        const auto number = [&word](int index) { return word.at(index).toInt(nullptr, 0); };
        if (word[0] == u"on")
            midi.NoteOn(number(1), number(2), number(3));
        else if (word[0] == u"off")
            midi.NoteOff(number(1), number(2));
        else if (word[0] == u"program")
            midi.ProgramChange(number(1), number(2));
        else if (word[0] == u"send")
            midi.Send(number(1), number(2), number(3));
        else if (word[0] == u"test")
            midi.TestNote(number(1));
        else
            qFatal("unknown call %s", qPrintable(call));
    }
}

} // namespace

void tst_MidiOut::messages_data()
{
    QTest::addColumn<QString>("calls");
    QTest::addColumn<QList<quint32>>("sent");
    QTest::addColumn<int>("lastNote");

    // Status in the low byte, then data1, then data2.
    QTest::newRow("send packs status, data1, data2") << "send 0xB0 7 100" << QList<quint32>{0x6407B0} << 0;
    QTest::newRow("note on, channel 0") << "on 0 36 127" << QList<quint32>{0x7F2490} << 0;
    QTest::newRow("note on, last channel") << "on 15 60 64" << QList<quint32>{0x403C9F} << 0;
    QTest::newRow("note off has velocity 0") << "off 3 61" << QList<quint32>{0x003D83} << 0;
    QTest::newRow("program change") << "program 0 127" << QList<quint32>{0x007FC0} << 0;
    QTest::newRow("program change, channel 9") << "program 9 0" << QList<quint32>{0x0000C9} << 0;
    // Nothing played yet: the note off goes to note 0.
    QTest::newRow("first test note") << "test 0" << QList<quint32>{0x000080, 0x7F2490} << 36;
    QTest::newRow("test note stops the one before")
        << "test 0; test 25" << QList<quint32>{0x000080, 0x7F2490, 0x002480, 0x7F3D90} << 61;
    QTest::newRow("same letter twice") << "test 4; test 4"
                                       << QList<quint32>{0x000080, 0x7F2890, 0x002880, 0x7F2890} << 40;
    // Only the test note is remembered.
    QTest::newRow("plain notes are not remembered")
        << "test 1; on 0 70 90; off 0 70; test 2"
        << QList<quint32>{0x000080, 0x7F2590, 0x5A4690, 0x004680, 0x002580, 0x7F2690} << 38;
}

void tst_MidiOut::messages()
{
    QFETCH(QString, calls);
    QFETCH(QList<quint32>, sent);
    QFETCH(int, lastNote);

    FakeMidiOutput output;
    ScriptedPrompter prompter;
    MidiOut midi(output, prompter);
    run(midi, calls);
    QCOMPARE(output.sent, sent);
    QCOMPARE(midi.lastNote(), lastNote);
    QVERIFY(prompter.asked().isEmpty());
}

void tst_MidiOut::errorIsShownWithoutTitle_data()
{
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("shown");

    const QString longest = QString(128, u'音');
    QTest::newRow("short text") << "没有声音设备" << "没有声音设备";
    QTest::newRow("128 characters") << longest << longest;
    QTest::newRow("longer text is cut") << longest + "尾巴" << longest;
    QTest::newRow("empty text is still an error") << "" << "";
}

void tst_MidiOut::errorIsShownWithoutTitle()
{
    QFETCH(QString, error);
    QFETCH(QString, shown);

    FakeMidiOutput output;
    output.failure = error;
    ScriptedPrompter prompter;
    MidiOut midi(output, prompter);
    QVERIFY(!midi.NoteOn(0, 60, 100));
    QCOMPARE(prompter.asked().size(), 1);
    const ScriptedPrompter::Asked &box = prompter.asked().first();
    QCOMPARE(box.text, shown);
    QCOMPARE(box.title, QString());
    QCOMPARE(box.icon, Prompter::Icon::None);
    QCOMPARE(box.buttons, Prompter::Buttons::Ok);

    output.failure.reset();
    QVERIFY(midi.NoteOff(0, 60));
    QCOMPARE(prompter.asked().size(), 1);
}

void tst_MidiOut::failedTestNoteShowsOneBoxAndRemembersTheNote()
{
    FakeMidiOutput output;
    ScriptedPrompter prompter;
    MidiOut midi(output, prompter);
    output.failure = QStringLiteral("没有声音设备");
    QVERIFY(!midi.TestNote(3));
    QCOMPARE(prompter.texts(), QStringList{"没有声音设备"});
    QCOMPARE(output.sent, QList<quint32>{0x000080});

    // Once the output works again, the note of the failed test is stopped.
    output.failure.reset();
    output.sent.clear();
    QVERIFY(midi.TestNote(0));
    QCOMPARE(output.sent, (QList<quint32>{0x002780, 0x7F2490}));
    QCOMPARE(prompter.asked().size(), 1);
}

QTEST_GUILESS_MAIN(tst_MidiOut)
#include "tst_midiout.moc"
