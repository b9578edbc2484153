// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/DrillKinds.h"
#include "core/practice/KeySound.h"
#include "core/practice/SingleKeyInput.h"

#include <QTest>

using SingleKeyInput::KeyDown;

class tst_SingleKeyInput : public QObject
{
    Q_OBJECT

private slots:
    void keyPress_data();
    void keyPress();
    void keyDown_data();
    void keyDown();
};

void tst_SingleKeyInput::keyPress_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<uint>("code");
    QTest::addColumn<KeySound>("sound");
    QTest::addColumn<bool>("right");
    QTest::addColumn<DrillCounts>("counts");

    QTest::newRow("A for A") << "A" << uint('A') << KeySound::Right << true << DrillCounts { 1, 1, 0 };
    QTest::newRow("a for A") << "A" << uint('a') << KeySound::Wrong << false << DrillCounts { 1, 0, 1 };
    QTest::newRow("Backspace counts nothing") << "A" << uint(8) << KeySound::Wrong << false << DrillCounts { 0, 0, 0 };
    QTest::newRow("Enter is a wrong key") << "A" << uint(13) << KeySound::Wrong << false << DrillCounts { 1, 0, 1 };
    QTest::newRow("Chinese character right") << "中" << uint(U'中') << KeySound::Right << true << DrillCounts { 1, 1, 0 };
    QTest::newRow("Latin letter in the character drill") << "中" << uint('z') << KeySound::Wrong << false << DrillCounts { 1, 0, 1 };
    QTest::newRow("Chinese character in the letter drill") << "a" << uint(U'啊') << KeySound::Wrong << false << DrillCounts { 1, 0, 1 };
    QTest::newRow("character outside the basic plane") << "𠀀" << uint(0x20000) << KeySound::Right << true << DrillCounts { 1, 1, 0 };
    QTest::newRow("only the first character counts") << "ab" << uint('a') << KeySound::Right << true << DrillCounts { 1, 1, 0 };
    QTest::newRow("no target: input only") << "" << uint('a') << KeySound::None << false << DrillCounts { 1, 0, 0 };
}

void tst_SingleKeyInput::keyPress()
{
    QFETCH(QString, target);
    QFETCH(uint, code);
    QFETCH(KeySound, sound);
    QFETCH(bool, right);
    QFETCH(DrillCounts, counts);

    DrillCounts after;
    const SingleKeyInput::Press press = SingleKeyInput::keyPress(code, target, after);
    QCOMPARE(press.sound, sound);
    QCOMPARE(press.right, right);
    QCOMPARE(press.emptyBox, sound == KeySound::Wrong);
    QCOMPARE(after, counts);
}

void tst_SingleKeyInput::keyDown_data()
{
    QTest::addColumn<QString>("drillMode");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<KeyDown>("action");

    // ReciteKey F3 (114), CueKey F2 (113).
    QTest::newRow("letters, read-aloud key") << "en" << 114 << KeyDown::SpeakTarget;
    QTest::newRow("letters, hint key") << "en" << 113 << KeyDown::None;
    QTest::newRow("characters, hint key") << "ch" << 113 << KeyDown::ShowCode;
    QTest::newRow("characters, read-aloud key") << "ch" << 114 << KeyDown::None;
    QTest::newRow("number characters, hint key") << "chnu" << 113 << KeyDown::None;
    QTest::newRow("digits, read-aloud key") << "nu" << 114 << KeyDown::None;
    QTest::newRow("letters, other key") << "en" << 65 << KeyDown::None;
}

void tst_SingleKeyInput::keyDown()
{
    QFETCH(QString, drillMode);
    QFETCH(int, keyCode);
    QFETCH(KeyDown, action);
    QCOMPARE(SingleKeyInput::keyDown(keyCode, drillModeNamed(drillMode).value(), 114, 113), action);
}

QTEST_GUILESS_MAIN(tst_SingleKeyInput)
#include "tst_singlekeyinput.moc"
