// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/DrillModel.h"
#include "core/practice/Exercise.h"
#include "core/practice/OptionSetting.h"
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"

#include <QTest>

using Id = DrillEntry::Id;
using Mark = WordBoxInput::Mark;

namespace {

// A drill model over the code lists of the material fixture, with a word
// source that hands out the given words in turn, and a record of the key
// sounds and of the words drawn.
struct Drill
{
    explicit Drill(QStringList words = {})
        : words(std::move(words))
    {
        settings.InputMeans = QStringLiteral("五笔");
        QObject::connect(&model, &DrillModel::keySound, [this](KeySound sound) { sounds.append(sound); });
        QObject::connect(&model, &DrillModel::nextWordWanted, [this] { drawWord(); });
        QObject::connect(&model, &DrillModel::nextTargetWanted, [this] { ++targetsWanted; });
    }

    void drawWord()
    {
        model.setWord({ this->words.isEmpty() ? QString() : this->words.takeFirst(), QString() });
        typed.clear();
        model.wordChange(typed);
    }

    // Types keys into a word box as the input box does: the key press is
    // judged first, then (unless swallowed) the key reaches the box, then the
    // box's change. Backspace in an empty box and keys past the box's limit
    // change nothing.
    void type(const QString &keys)
    {
        for (const char32_t key : keys.toUcs4()) {
            const WordBoxInput::Press press = model.wordKeyPress(key, typed);
            if (press.swallow || key == KeyChar::Tab || key == KeyChar::Escape)
                continue;
            if (key == KeyChar::Backspace) {
                if (typed.isEmpty())
                    continue;
                typed.chop(1);
            } else if (typed.size() < model.word().maxLength()) {
                typed += QString::fromUcs4(&key, 1);
            } else {
                continue;
            }
            model.wordChange(typed);
        }
    }

    QString marks() const
    {
        QString marks;
        for (qsizetype i = 0; i < model.word().word().size(); ++i) {
            const Mark mark = model.word().mark(i);
            marks += mark == Mark::Right ? u'+' : mark == Mark::Wrong ? u'-' : u'.';
        }
        return marks;
    }

    DrillCounts counts() const
    {
        return { exercise.count(Exercise::Counter::Input), exercise.count(Exercise::Counter::Correct),
                 exercise.count(Exercise::Counter::Wrong) };
    }

    QStringList words;
    Settings settings;
    Exercise exercise;
    CodeTable codeTable{ ProgramFolder(QStringLiteral(QINTARA_TEST_DATA_DIR "/material/program")), settings };
    DrillModel model{ settings, exercise, codeTable };
    QString typed;
    QList<KeySound> sounds;
    int targetsWanted = 0;
};

} // namespace

class tst_DrillModel : public QObject
{
    Q_OBJECT

private slots:
    void wordKeys_data();
    void wordKeys();
    void marksAsTyped_data();
    void marksAsTyped();
    void singleKeyOrder_data();
    void singleKeyOrder();
    void optionsMirrorTheirSettings_data();
    void optionsMirrorTheirSettings();
    void analysisOnlyWithWubi_data();
    void analysisOnlyWithWubi();
    void codeOfTheTarget_data();
    void codeOfTheTarget();
};

void tst_DrillModel::wordKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<DrillCounts>("counts");
    QTest::addColumn<QList<KeySound>>("sounds");
    QTest::addColumn<QString>("word");

    const KeySound W = KeySound::Wrong, R = KeySound::Right, D = KeySound::WordDone;
    // The first word is "cat", the next "dog".
    QTest::newRow("word typed right") << "cat" << DrillCounts { 3, 3, 0 } << QList { R, R, R, D } << "dog";
    QTest::newRow("c x Backspace a t") << "cx\bat" << DrillCounts { 3, 3, 0 } << QList { R, W, W, R, R, D } << "dog";
    QTest::newRow("last key wrong still ends the word") << "cax" << DrillCounts { 3, 2, 1 } << QList { R, R, W, D } << "dog";
    QTest::newRow("capitals are wrong") << "CAT" << DrillCounts { 3, 0, 3 } << QList { W, W, W, D } << "dog";
    QTest::newRow("Backspace in the empty box") << "\b" << DrillCounts { 0, 0, 0 } << QList<KeySound> {} << "cat";
    QTest::newRow("Backspace over a right character") << "c\b" << DrillCounts { 0, 0, 0 } << QList { R, R } << "cat";
    QTest::newRow("Backspace over a wrong character") << "x\b" << DrillCounts { 0, 0, 0 } << QList { W, W } << "cat";
    QTest::newRow("Enter before the end does not skip")
        << "ca\r" << DrillCounts { 3, 2, 0 } << QList { R, R } << "cat";
    QTest::newRow("Tab and Esc only count")
        << "\t\x1b" << DrillCounts { 2, 0, 0 } << QList<KeySound> {} << "cat";
    QTest::newRow("two words") << "catdog" << DrillCounts { 6, 6, 0 } << QList { R, R, R, D, R, R, R, D } << "";
}

void tst_DrillModel::wordKeys()
{
    QFETCH(QString, keys);
    QFETCH(DrillCounts, counts);
    QFETCH(QList<KeySound>, sounds);
    QFETCH(QString, word);

    Drill drill({ "cat", "dog" });
    drill.model.open(Id::Words);
    drill.drawWord();
    drill.type(keys);
    QCOMPARE(drill.counts(), counts);
    QCOMPARE(drill.sounds, sounds);
    QCOMPARE(drill.model.word().word(), word);
    QVERIFY(drill.exercise.isClockRunning() || keys.isEmpty());
}

void tst_DrillModel::marksAsTyped_data()
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

void tst_DrillModel::marksAsTyped()
{
    QFETCH(QString, word);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, marks);

    Drill drill({ word });
    drill.model.open(Id::Phrases);
    drill.drawWord();
    drill.type(keys);
    QCOMPARE(drill.typed, typed);
    QCOMPARE(drill.marks(), marks);
}

void tst_DrillModel::singleKeyOrder_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<uint>("key");
    QTest::addColumn<KeySound>("sound");
    QTest::addColumn<int>("targetsWanted");
    QTest::addColumn<DrillCounts>("counts");

    QTest::newRow("right key") << "a" << uint('a') << KeySound::Right << 1 << DrillCounts { 1, 1, 0 };
    QTest::newRow("wrong key") << "a" << uint('s') << KeySound::Wrong << 0 << DrillCounts { 1, 0, 1 };
    QTest::newRow("no target") << "" << uint('s') << KeySound::None << 0 << DrillCounts { 1, 0, 0 };
}

// The counters change before the next target is asked for: a letter read
// aloud lets further keys in, and they must count on from this one.
void tst_DrillModel::singleKeyOrder()
{
    QFETCH(QString, target);
    QFETCH(uint, key);
    QFETCH(KeySound, sound);
    QFETCH(int, targetsWanted);
    QFETCH(DrillCounts, counts);

    Drill drill;
    drill.model.open(Id::Letters);
    drill.model.setTarget(target);
    DrillCounts countedFirst;
    QObject::connect(&drill.model, &DrillModel::nextTargetWanted, [&] { countedFirst = drill.counts(); });
    drill.model.singleKeyPress(key);
    QCOMPARE(drill.sounds, sound == KeySound::None ? QList<KeySound> {} : QList<KeySound> { sound });
    QCOMPARE(drill.targetsWanted, targetsWanted);
    QCOMPARE(drill.counts(), counts);
    if (targetsWanted > 0)
        QCOMPARE(countedFirst, counts);
    QVERIFY(drill.exercise.isClockRunning());
}

void tst_DrillModel::optionsMirrorTheirSettings_data()
{
    QTest::addColumn<Id>("id");
    QTest::addColumn<OptionSetting>("setting");

    QTest::newRow("letters read aloud") << Id::Letters << OptionSetting::EWordRecite;
    QTest::newRow("words read aloud") << Id::Words << OptionSetting::EWordRecite;
    QTest::newRow("number words read aloud") << Id::NumberWords << OptionSetting::EWordRecite;
    QTest::newRow("character code hint") << Id::Characters << OptionSetting::CWordCue;
    QTest::newRow("phrase code hint") << Id::Phrases << OptionSetting::CWordCue;
    QTest::newRow("number character code hint") << Id::NumberCharacters << OptionSetting::CWordCue;
}

void tst_DrillModel::optionsMirrorTheirSettings()
{
    QFETCH(Id, id);
    QFETCH(OptionSetting, setting);

    Drill drill;
    optionField(drill.settings, setting) = 1;
    drill.model.open(id);
    QVERIFY(drill.model.optionTicked());

    const Settings before = drill.settings;
    drill.model.setOptionTicked(false);
    QCOMPARE(optionField(drill.settings, setting), qint16(0));
    // Nothing but the mirrored setting changes.
    Settings expected = before;
    optionField(expected, setting) = 0;
    QVERIFY(drill.settings == expected);
}

void tst_DrillModel::analysisOnlyWithWubi_data()
{
    QTest::addColumn<Id>("id");
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("characters, Wubi") << Id::Characters << "五笔" << true;
    QTest::newRow("phrases, Wubi") << Id::Phrases << "五笔" << true;
    QTest::newRow("characters, pinyin") << Id::Characters << "拼音" << false;
    QTest::newRow("letters") << Id::Letters << "五笔" << false;
    QTest::newRow("number characters") << Id::NumberCharacters << "五笔" << false;
}

void tst_DrillModel::analysisOnlyWithWubi()
{
    QFETCH(Id, id);
    QFETCH(QString, inputMeans);
    QFETCH(bool, enabled);

    Drill drill;
    drill.settings.InputMeans = inputMeans;
    drill.settings.CWbzgDemand = 1;
    drill.model.open(id);
    QCOMPARE(drill.model.analysisEnabled(), enabled);
    QCOMPARE(drill.model.analysisTicked(), enabled);
    drill.model.setAnalysisTicked(false);
    QCOMPARE(drill.settings.CWbzgDemand, qint16(0));
}

void tst_DrillModel::codeOfTheTarget_data()
{
    QTest::addColumn<Id>("id");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("lineCode");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("found");

    QTest::newRow("character in the lists") << Id::Characters << "天" << "" << "gd" << "天";
    QTest::newRow("character not in the lists") << Id::Characters << "龘" << "" << "" << "";
    QTest::newRow("letter has no code") << Id::Letters << "a" << "" << "" << "";
    // A phrase brings its code on its drill line, whatever the lists say.
    QTest::newRow("phrase code from its line") << Id::Phrases << "中国" << "khlg" << "khlg" << "中国";
    QTest::newRow("phrase unknown to the lists") << Id::Phrases << "龘龘" << "xxxx" << "xxxx" << "";
}

void tst_DrillModel::codeOfTheTarget()
{
    QFETCH(Id, id);
    QFETCH(QString, target);
    QFETCH(QString, lineCode);
    QFETCH(QString, code);
    QFETCH(QString, found);

    Drill drill;
    drill.model.open(id);
    if (DrillEntry::entry(id).singleKey)
        drill.model.setTarget(target);
    else
        drill.model.setWord({ target, lineCode });
    QCOMPARE(drill.model.code(), code);
    QCOMPARE(drill.model.foundText(), found);
    QCOMPARE(drill.model.codeHint(drill.model.code()), "五笔编码：" + code);
}

QTEST_GUILESS_MAIN(tst_DrillModel)
#include "tst_drillmodel.moc"
