// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/KeySound.h"
#include "core/practice/WordBoxInput.h"

#include <QTest>

using Mark = WordBoxInput::Mark;

namespace {

// What a run of keys left behind.
struct Run
{
    DrillCounts counts;
    QList<int> sounds;
    QString word;      // the word on show at the end
    QString typed;     // the box at the end
    QString marks;     // the marks of the word on show: "." plain, "+" right, "-" wrong
};

QString marksOf(const WordBoxInput &input)
{
    QString marks;
    for (qsizetype i = 0; i < input.word().size(); ++i) {
        const Mark mark = input.mark(i);
        marks += mark == Mark::Right ? u'+' : mark == Mark::Wrong ? u'-' : u'.';
    }
    return marks;
}

// Types keys into a word box that feeds the rules the way the real box does:
// key press, then (unless swallowed) the key reaches the box, then change. A
// finished word draws the next of words and plays the word-finished sound.
Run type(QStringList words, const QString &keys)
{
    WordBoxInput input;
    Run run;
    const auto drawWord = [&] {
        input.setWord(words.isEmpty() ? QString() : words.takeFirst());
        run.typed.clear();
        input.change(run.typed);
    };
    const auto changed = [&] {
        if (input.change(run.typed)) {
            drawWord();
            run.sounds.append(KeySound::WordDone);
        }
    };
    drawWord();
    for (const char32_t key : keys.toUcs4()) {
        const WordBoxInput::Press press = input.keyPress(key, run.typed, run.counts);
        if (press.sound != KeySound::None && !press.nextWord)
            run.sounds.append(press.sound);
        if (press.nextWord) {
            drawWord();
            run.sounds.append(press.sound);
        }
        if (press.swallow || key == KeyChar::Tab || key == KeyChar::Escape)
            continue;
        if (key == KeyChar::Backspace) {
            if (run.typed.isEmpty())
                continue;
            run.typed.chop(1);
        } else if (run.typed.size() < input.maxLength()) {
            run.typed += QString::fromUcs4(&key, 1);
        } else {
            continue;
        }
        changed();
    }
    run.word = input.word();
    run.marks = marksOf(input);
    return run;
}

} // namespace

class tst_WordBoxInput : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void marksAsTyped_data();
    void marksAsTyped();
    void nextTargetFollowsTheBox();
    void keyDown_data();
    void keyDown();
};

void tst_WordBoxInput::keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<DrillCounts>("counts");
    QTest::addColumn<QList<int>>("sounds");
    QTest::addColumn<QString>("word");

    const int W = KeySound::Wrong, R = KeySound::Right, D = KeySound::WordDone;
    // The first word is "cat", the next "dog".
    QTest::newRow("word typed right") << "cat" << DrillCounts { 3, 3, 0 } << QList<int> { R, R, R, D } << "dog";
    QTest::newRow("c x Backspace a t") << "cx\bat" << DrillCounts { 3, 3, 0 } << QList<int> { R, W, W, R, R, D } << "dog";
    QTest::newRow("last key wrong still ends the word") << "cax" << DrillCounts { 3, 2, 1 } << QList<int> { R, R, W, D } << "dog";
    QTest::newRow("capitals are wrong") << "CAT" << DrillCounts { 3, 0, 3 } << QList<int> { W, W, W, D } << "dog";
    QTest::newRow("Backspace in the empty box") << "\b" << DrillCounts { 0, 0, 0 } << QList<int> {} << "cat";
    QTest::newRow("Backspace over a right character") << "c\b" << DrillCounts { 0, 0, 0 } << QList<int> { R, R } << "cat";
    QTest::newRow("Backspace over a wrong character") << "x\b" << DrillCounts { 0, 0, 0 } << QList<int> { W, W } << "cat";
    QTest::newRow("Enter before the end does not skip") << "ca\r" << DrillCounts { 3, 2, 0 } << QList<int> { R, R } << "cat";
    QTest::newRow("Tab and Esc only count") << "\t\x1b" << DrillCounts { 2, 0, 0 } << QList<int> {} << "cat";
    QTest::newRow("two words") << "catdog" << DrillCounts { 6, 6, 0 } << QList<int> { R, R, R, D, R, R, R, D } << "";
}

void tst_WordBoxInput::keys()
{
    QFETCH(QString, keys);
    QFETCH(DrillCounts, counts);
    QFETCH(QList<int>, sounds);
    QFETCH(QString, word);

    const Run run = type({ "cat", "dog" }, keys);
    QCOMPARE(run.counts, counts);
    QCOMPARE(run.sounds, sounds);
    QCOMPARE(run.word, word);
}

void tst_WordBoxInput::marksAsTyped_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("marks");

    QTest::newRow("right then wrong") << "cat" << "cx" << "cx" << "+-.";
    QTest::newRow("Backspace leaves the colour") << "cat" << "cx\b" << "c" << "+-.";
    QTest::newRow("retyped in the right colour") << "cat" << "cx\ba" << "ca" << "++.";
    QTest::newRow("phrase from the input method") << "中国人" << "中果" << "中果" << "+-.";
    QTest::newRow("phrase with a space") << "中 国" << "中 " << "中 " << "++.";
    QTest::newRow("Enter is swallowed") << "cat" << "c\r" << "c" << "+..";
}

void tst_WordBoxInput::marksAsTyped()
{
    QFETCH(QString, word);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, marks);

    const Run run = type({ word }, keys);
    QCOMPARE(run.typed, typed);
    QCOMPARE(run.marks, marks);
}

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
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<WordBoxInput::KeyDown>("action");

    // ReciteKey F3 (114), CueKey F2 (113).
    QTest::newRow("words, read-aloud key") << 1 << 114 << WordBoxInput::KeyDown { false, true, true };
    QTest::newRow("words, other key") << 1 << 65 << WordBoxInput::KeyDown { false, true, false };
    QTest::newRow("number words, read-aloud key") << 3 << 114 << WordBoxInput::KeyDown { false, true, true };
    QTest::newRow("phrases, hint key") << 2 << 113 << WordBoxInput::KeyDown { true, false, false };
    QTest::newRow("phrases, read-aloud key") << 2 << 114 << WordBoxInput::KeyDown {};
}

void tst_WordBoxInput::keyDown()
{
    QFETCH(int, kind);
    QFETCH(int, keyCode);
    QFETCH(WordBoxInput::KeyDown, action);
    QCOMPARE(WordBoxInput::keyDown(keyCode, kind, 114, 113), action);
}

QTEST_GUILESS_MAIN(tst_WordBoxInput)
#include "tst_wordboxinput.moc"
