// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/KeySound.h"
#include "core/practice/WordBoxInput.h"

#include <QTest>

class tst_WordBoxInput : public QObject
{
    Q_OBJECT

private slots:
    void nextTargetFollowsTheBox();
    void keyDown_data();
    void keyDown();
};

void tst_WordBoxInput::nextTargetFollowsTheBox()
{
    WordBoxInput input;
    input.setWord(QStringLiteral("cat"));
    QCOMPARE(input.nextTarget(), "c");
    QCOMPARE(input.maxLength(), 4);
    QVERIFY(!input.change(u"ca"));
    QCOMPARE(input.nextTarget(), "t");
    QVERIFY(input.change(u"cat"));
    QCOMPARE(input.nextTarget(), "");

    // An empty word is never finished by the box itself, or drawing the next
    // word, which empties the box, would finish it again and again.
    input.setWord(QString());
    QVERIFY(!input.change(u""));
    DrillCounts counts;
    QCOMPARE(input.keyPress('x', u"", counts), WordBoxInput::Press {});
    QCOMPARE(counts, (DrillCounts { 1, 0, 0 }));
    const WordBoxInput::Press enter = input.keyPress(KeyChar::Enter, u"", counts);
    QVERIFY(enter.nextWord && enter.swallow);
    QCOMPARE(enter.sound, KeySound::WordDone);
}

void tst_WordBoxInput::keyDown_data()
{
    QTest::addColumn<WordDrillKind>("kind");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<WordBoxInput::KeyDown>("action");

    // ReciteKey F3 (114), CueKey F2 (113).
    QTest::newRow("words, read-aloud key") << WordDrillKind::EnglishWords << 114 << WordBoxInput::KeyDown { false, true, true };
    QTest::newRow("words, other key") << WordDrillKind::EnglishWords << 65 << WordBoxInput::KeyDown { false, true, false };
    QTest::newRow("number words, read-aloud key") << WordDrillKind::NumberWords << 114 << WordBoxInput::KeyDown { false, true, true };
    QTest::newRow("phrases, hint key") << WordDrillKind::Phrases << 113 << WordBoxInput::KeyDown { true, false, false };
    QTest::newRow("phrases, read-aloud key") << WordDrillKind::Phrases << 114 << WordBoxInput::KeyDown {};
}

void tst_WordBoxInput::keyDown()
{
    QFETCH(WordDrillKind, kind);
    QFETCH(int, keyCode);
    QFETCH(WordBoxInput::KeyDown, action);
    QCOMPARE(WordBoxInput::keyDown(keyCode, kind, 114, 113), action);
}

QTEST_GUILESS_MAIN(tst_WordBoxInput)
#include "tst_wordboxinput.moc"
