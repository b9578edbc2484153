// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/adaptive/KeystrokeRecorder.h"

#include "core/adaptive/KeystrokeHistory.h"
#include "core/practice/ArticleModel.h"
#include "core/practice/DrillModel.h"
#include "core/practice/Exercise.h"
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"
#include "gui/practice/BuiltInInput.h"
#include "widgets/InputBox.h"

#include "TestFolder.h"

#include <QTest>

#include <optional>

// The practice models driven by keys as their panels pass them on; the
// history is a list.
class tst_KeystrokeRecorder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void singleKeyDrill_data();
    void singleKeyDrill();
    void wordDrill();
    void article_data();
    void article();
    void intervalStartsAgainWithTheExercise();
    void builtInInputGivesTheCode();

private:
    QList<Keystroke> judged() const;

    struct ListHistory : KeystrokeHistory
    {
        void record(const Keystroke &k) override { keys.append(k); }
        QList<Keystroke> detail(qint64) override { return keys; }
        QList<DailyTotals> dailyTotals() override { return {}; }
        QList<Keystroke> keys;
    };

    TestFolder m_program;
    Settings m_settings;
    std::optional<ListHistory> m_history;
    std::optional<Exercise> m_exercise;
    std::optional<CodeTable> m_codeTable;
    qint64 m_now = 0;
};

namespace {

// A judged key as the tables write it: target, typed, right.
using Judged = std::tuple<QString, QString, bool>;

const qint64 start = 1'800'000'000'000;
const int step = 250; // ms the test clock moves per key

} // namespace

void tst_KeystrokeRecorder::init()
{
    m_history.emplace();
    m_exercise.emplace();
    m_codeTable.emplace(ProgramFolder(m_program.path()), m_settings);
    m_now = start;
}

QList<Keystroke> tst_KeystrokeRecorder::judged() const
{
    return m_history->keys;
}

namespace {

QList<Judged> withoutStamps(const QList<Keystroke> &keys)
{
    QList<Judged> list;
    for (const Keystroke &key : keys)
        list.append({key.target, key.typed, key.correct});
    return list;
}

} // namespace

void tst_KeystrokeRecorder::singleKeyDrill_data()
{
    QTest::addColumn<DrillEntry::Id>("entry");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<Judged>>("expected");
    QTest::addColumn<ExerciseKind>("kind");

    QTest::newRow("letters: right, wrong; Backspace is not judged")
        << DrillEntry::Id::Letters << "a" << "s\ba" << QList<Judged>{{"a", "s", false}, {"a", "a", true}}
        << ExerciseKind::Letters;
    QTest::newRow("case matters") << DrillEntry::Id::Letters << "A" << "a" << QList<Judged>{{"A", "a", false}}
                                  << ExerciseKind::Letters;
    QTest::newRow("a Chinese character from an input method")
        << DrillEntry::Id::Characters << "了" << "子了" << QList<Judged>{{"了", "子", false}, {"了", "了", true}}
        << ExerciseKind::Characters;
    QTest::newRow("digits") << DrillEntry::Id::Digits << "7" << "7" << QList<Judged>{{"7", "7", true}}
                            << ExerciseKind::Digits;
    QTest::newRow("no target: nothing to judge") << DrillEntry::Id::Letters << "" << "ab" << QList<Judged>{}
                                                 << ExerciseKind::Letters;
}

void tst_KeystrokeRecorder::singleKeyDrill()
{
    QFETCH(DrillEntry::Id, entry);
    QFETCH(QString, target);
    QFETCH(QString, keys);
    QFETCH(QList<Judged>, expected);
    QFETCH(ExerciseKind, kind);

    DrillModel model(m_settings, *m_exercise, *m_codeTable);
    KeystrokeRecorder recorder(*m_history, [this] { return m_now += step; });
    recorder.watch(model);
    model.open(entry);
    // The panel draws the same target again after a right key.
    connect(&model, &DrillModel::nextTargetWanted, &model, [&] { model.setTarget(target); });
    model.setTarget(target);
    for (char32_t key : keys.toUcs4())
        model.singleKeyPress(key);

    QCOMPARE(withoutStamps(judged()), expected);
    for (const Keystroke &key : judged())
        QCOMPARE(key.kind, kind);
}

// Each character of the word is judged where the box stands; Backspace,
// Enter and keys past the word are not.
void tst_KeystrokeRecorder::wordDrill()
{
    DrillModel model(m_settings, *m_exercise, *m_codeTable);
    KeystrokeRecorder recorder(*m_history, [this] { return m_now += step; });
    recorder.watch(model);
    model.open(DrillEntry::Id::Words);
    model.setWord({QStringLiteral("cat"), QString()});

    // As the word box raises them: key press with the text before it, then
    // the change.
    const auto type = [&](char32_t key, const QString &before, const QString &after) {
        model.wordKeyPress(key, before);
        model.wordChange(after);
    };
    type('c', "", "c");
    type('x', "c", "cx");
    type(KeyChar::Backspace, "cx", "c");
    type('a', "c", "ca");
    type('t', "ca", "cat");
    type('z', "cat", "cat");
    type(KeyChar::Enter, "cat", "cat");

    const QList<Judged> expected{{"c", "c", true}, {"a", "x", false}, {"a", "a", true}, {"t", "t", true}};
    QCOMPARE(withoutStamps(judged()), expected);
    QCOMPARE(judged().first().kind, ExerciseKind::Words);
}

void tst_KeystrokeRecorder::article_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<ExerciseKind>("kind");
    QTest::newRow("English") << Language::English << ExerciseKind::EnglishArticle;
    QTest::newRow("Chinese") << Language::Chinese << ExerciseKind::ChineseArticle;
}

void tst_KeystrokeRecorder::article()
{
    QFETCH(Language, language);
    QFETCH(ExerciseKind, kind);

    ArticleModel model(m_settings, *m_exercise, ArticleLookup{[](const QString &) { return ArticleLookup::Code{}; },
                                                              [](const QString &) { return QString(); }});
    KeystrokeRecorder recorder(*m_history, [this] { return m_now += step; });
    recorder.watch(model);
    m_exercise->setPractisedText(QStringLiteral("a了b,c"));
    model.open(language, ArticleModel::View::Normal);

    // As the input box raises them: key press with the text before it, then
    // the change.
    const auto type = [&](char32_t key, const QString &before, const QString &after) {
        model.keyPress(ArticleModel::NormalBox, key, before);
        model.change(ArticleModel::NormalBox, after);
    };
    type('a', "", "a");
    type(U'子', "a", "a子");
    type(KeyChar::Backspace, "a子", "a");
    type(U'了', "a", "a了");
    type(KeyChar::Enter, "a了", "a了");
    type('b', "a了", "a了b");
    type(',', "a了b", "a了b,");

    const QList<Judged> expected{
        {"a", "a", true}, {"了", "子", false}, {"了", "了", true}, {"b", "b", true}, {",", ",", true}};
    QCOMPARE(withoutStamps(judged()), expected);
    for (const Keystroke &key : judged())
        QCOMPARE(key.kind, kind);
}

void tst_KeystrokeRecorder::intervalStartsAgainWithTheExercise()
{
    DrillModel model(m_settings, *m_exercise, *m_codeTable);
    const QList<qint64> clock{start, start + 300, start + 12'345, start + 20'000, start + 20'100};
    qsizetype tick = 0;
    KeystrokeRecorder recorder(*m_history, [&] { return clock[tick++]; });
    recorder.watch(model);
    model.open(DrillEntry::Id::Letters);
    model.setTarget(QStringLiteral("a"));

    model.singleKeyPress('b');
    model.singleKeyPress('b');
    model.singleKeyPress('b');
    recorder.restart(); // Cleanup: a new exercise
    model.singleKeyPress('b');
    model.singleKeyPress('b');

    QList<qint64> times;
    QList<qint32> intervals;
    for (const Keystroke &key : judged()) {
        times.append(key.timeMs);
        intervals.append(key.intervalMs);
    }
    QCOMPARE(times, clock);
    // A long pause is still its interval; leaving it out is the roll-up's business.
    QCOMPARE(intervals, (QList<qint32>{-1, 300, 12'045, -1, 100}));
}

// With the built-in input on the word box, a commit's code goes with its
// first character; keys typed past the input method carry none.
void tst_KeystrokeRecorder::builtInInputGivesTheCode()
{
    const std::optional<ImeTable> wubi = ImeTable::load(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/wubi86.tbl"));
    QVERIFY(wubi);
    DrillModel model(m_settings, *m_exercise, *m_codeTable);
    KeystrokeRecorder recorder(*m_history, [this] { return m_now += step; });
    recorder.watch(model);
    model.open(DrillEntry::Id::Phrases);
    model.setWord({QStringLiteral("我们你/"), QString()});

    QWidget window;
    auto *box = new InputBox(&window);
    connect(box, &InputBox::keyPress, &model, [&](int &code) { model.wordKeyPress(char32_t(code), box->text()); });
    connect(box, &InputBox::change, &model, [&] { model.wordChange(box->text()); });
    BuiltInInput input;
    input.attach(box);
    input.setTable(&*wubi, ImeEngine::Method::Wubi);
    input.setActive(true);
    recorder.watch(input);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box->setFocus();

    QTest::keyClicks(box, QStringLiteral("trwu"));
    QTest::keyClicks(box, QStringLiteral("wq/"));

    QStringList codes;
    for (const Keystroke &key : judged())
        codes.append(key.code);
    QCOMPARE(withoutStamps(judged()),
             (QList<Judged>{{"我", "我", true}, {"们", "们", true}, {"你", "你", true}, {"/", "/", true}}));
    QCOMPARE(codes, (QStringList{"trwu", "", "wq", ""}));
}

QTEST_MAIN(tst_KeystrokeRecorder)
#include "tst_keystrokerecorder.moc"
