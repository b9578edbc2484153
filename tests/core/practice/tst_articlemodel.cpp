// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleModel.h"
#include "core/practice/Exercise.h"
#include "core/practice/MeaningList.h"
#include "core/settings/Settings.h"
#include "core/wubi/CodeTable.h"

#include <QHash>
#include <QTest>

using View = ArticleModel::View;
using Counter = Exercise::Counter;

namespace {

constexpr int ReciteKey = 114; // F3
constexpr int CueKey = 115;    // F4

const QString BeyondBmp = QString::fromUtf8("\xF0\xA0\x80\x80"); // U+20000

struct Counts
{
    int input = 0;
    int correct = 0;
    int wrong = 0;

    bool operator==(const Counts &) const = default;
};

// Code lists and a meaning list that know a few words, answering as
// CodeTable::FindCode and MeaningList::FindMeaning do.
ArticleLookup fakeLookup()
{
    static const QHash<QString, QString> codes{{"中", "k"}, {"国", "l"}, {"中国", "khlg"}};
    static const QHash<QString, QString> meanings{{"hello", "你好"}, {"world", "世界"}};
    ArticleLookup lookup;
    lookup.findCode = [](const QString &text) {
        const auto code = codes.constFind(text);
        return code == codes.cend() ? ArticleLookup::Code() : ArticleLookup::Code{text, *code};
    };
    lookup.findMeaning = [](const QString &word) {
        const QString trimmed = word.trimmed();
        if (trimmed.isEmpty())
            return QString();
        const auto meaning = meanings.constFind(trimmed.toLower());
        if (meaning == meanings.cend())
            return "【" + trimmed + "】未找到该单词解释!";
        return "【" + trimmed + "】 解释：" + *meaning;
    };
    return lookup;
}

// An article exercise on text, typed the way the input boxes raise their
// events, with a record of what the model asked the views for.
struct Article
{
    explicit Article(const QString &text, ArticleLookup lookup = fakeLookup())
        : model(settings, exercise, std::move(lookup))
    {
        settings.InputMeans = "五笔";
        settings.ReciteKey = ReciteKey;
        settings.CueKey = CueKey;
        exercise.setPractisedText(text);
        QObject::connect(&model, &ArticleModel::keySound, [this](KeySound sound) { sounds.append(sound); });
        QObject::connect(&model, &ArticleModel::speechWanted, [this](const QString &text) { spoken.append(text); });
        QObject::connect(&model, &ArticleModel::keyMarkWanted, [this](const QString &key) { keyMarks.append(key); });
        QObject::connect(&model, &ArticleModel::wubiCodeWanted, [this](const QString &code) { wubi.append(code); });
        QObject::connect(&model, &ArticleModel::focusWanted, [this](int box) { focus.append(box); });
        QObject::connect(&model, &ArticleModel::finished, [this] {
            ++finished;
            typedWhenFinished = model.box(model.currentBox()).typed;
        });
    }

    // Each key goes to the box with the focus: key press with the box's text,
    // then, unless swallowed, the key reaches the box (Backspace deletes the
    // last character; a full abreast line takes no more), then change.
    void type(const QString &keys)
    {
        for (const char32_t key : keys.toUcs4()) {
            const int box = model.currentBox();
            QString typed = model.box(box).typed;
            const ArticleModel::Press press = model.keyPress(box, key, typed);
            if (press.swallow || key == KeyChar::Tab || key == KeyChar::Escape)
                continue;
            if (key == KeyChar::Backspace) {
                if (typed.isEmpty())
                    continue;
                typed.chop(typed.size() >= 2 && typed.back().isLowSurrogate() ? 2 : 1);
            } else {
                const QString character = QString::fromUcs4(&key, 1);
                const qsizetype limit = model.maxLength(box);
                if (limit >= 0 && typed.size() + character.size() > limit)
                    continue;
                typed += character;
            }
            model.change(box, typed);
        }
    }

    Counts counts() const
    {
        return {exercise.count(Counter::Input), exercise.count(Counter::Correct), exercise.count(Counter::Wrong)};
    }

    // The marks of a box's source: "+" right, "-" wrong, "." plain.
    QString marks(int box) const
    {
        const MarkedText &source = model.box(box).source;
        QString marks;
        for (qsizetype i = 0; i < source.size(); ++i) {
            const MarkedText::Mark mark = source.mark(i);
            marks += mark == MarkedText::Mark::Right ? u'+' : mark == MarkedText::Mark::Wrong ? u'-' : u'.';
        }
        return marks;
    }

    Settings settings;
    Exercise exercise;
    ArticleModel model;
    QList<KeySound> sounds;
    QStringList spoken;
    QStringList keyMarks;
    QStringList wubi;
    QList<int> focus;
    int finished = 0;
    QString typedWhenFinished;
};

QString repeated(const QString &piece, int times)
{
    return piece.repeated(times);
}

} // namespace

class tst_ArticleModel : public QObject
{
    Q_OBJECT

private slots:
    void judging_data();
    void judging();
    void endsWhileTheLastKeyIsPressed_data();
    void endsWhileTheLastKeyIsPressed();
    void smartWordChoiceColoursWords_data();
    void smartWordChoiceColoursWords();
    void englishHintsFollowTheTyping();
    void chineseHintsAndCueKey();
    void abreastPages();
    void abreastLineLimit();
    void abreastHintsEachLine();
    void switchingViews_data();
    void switchingViews();
    void programLookups();
};

void tst_ArticleModel::judging_data()
{
    QTest::addColumn<View>("view");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<QString>("wrongCharacters");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QList<KeySound>>("sounds");
    QTest::addColumn<bool>("finished");

    const KeySound R = KeySound::Right, W = KeySound::Wrong;
    const QList<KeySound> silent;
    for (const View view : {View::Normal, View::Abreast}) {
        const char *name = view == View::Normal ? "normal: " : "abreast: ";
        auto row = [&](const char *title) -> QTestData & {
            return QTest::newRow((QByteArray(name) + title).constData());
        };
        row("typed right to the end")
            << view << Language::English << "abc" << "abc" << Counts{3, 3, 0} << "" << "+++" << QList{R, R, R} << true;
        row("a wrong key collects the expected character")
            << view << Language::English << "abc" << "x" << Counts{1, 0, 1} << "a" << "-.." << QList{W} << false;
        row("Backspace takes the wrong count back, not the character")
            << view << Language::English << "abc" << "x\b" << Counts{0, 0, 0} << "a" << "-.." << QList{W} << false;
        row("retyped after Backspace takes the new colour")
            << view << Language::English << "abc" << "x\ba" << Counts{1, 1, 0} << "a" << "+.." << QList{W, R} << false;
        row("Backspace over a right character")
            << view << Language::English << "abc" << "a\b" << Counts{0, 0, 0} << "" << "+.." << QList{R} << false;
        row("Backspace in the empty box")
            << view << Language::English << "abc" << "\b" << Counts{0, 0, 0} << "" << "..." << silent << false;
        row("Enter, Tab and Esc never count")
            << view << Language::English << "abc" << "\r\t\x1b" << Counts{0, 0, 0} << "" << "..." << silent << false;
        row("case matters") << view << Language::English << "abc" << "A" << Counts{1, 0, 1} << "a" << "-.."
                             << QList{W} << false;
        row("wrong keys in a row") << view << Language::English << "abcd" << "xyz" << Counts{3, 0, 3} << "abc"
                                    << "---." << QList{W, W, W} << false;
        row("a wrong last key also ends, counted and collected first")
            << view << Language::English << "ab" << "ax" << Counts{2, 1, 1} << "b" << "+-" << QList{R, W} << true;
        row("Backspace with one character left ends")
            << view << Language::English << "ab" << "a\b" << Counts{1, 0, 0} << "" << "+." << QList{R} << true;
        row("keys after the end are not taken")
            << view << Language::English << "ab" << "abx" << Counts{2, 2, 0} << "" << "++" << QList{R, R} << true;
        row("Chinese characters from an input method")
            << view << Language::Chinese << "中国人" << "中国人" << Counts{3, 3, 0} << "" << "+++" << QList{R, R, R}
            << true;
        row("a wrong Chinese character")
            << view << Language::Chinese << "中国人" << "中果" << Counts{2, 1, 1} << "国" << "+-." << QList{R, W}
            << false;
        row("a character beyond the BMP is one key")
            << view << Language::Chinese << BeyondBmp + "中国" << BeyondBmp + "x" << Counts{2, 1, 1} << "中" << "+-."
            << QList{R, W} << false;
    }
}

void tst_ArticleModel::judging()
{
    QFETCH(View, view);
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(Counts, counts);
    QFETCH(QString, wrongCharacters);
    QFETCH(QString, marks);
    QFETCH(QList<KeySound>, sounds);
    QFETCH(bool, finished);

    Article article(text);
    article.model.open(language, view);
    article.type(keys);
    QCOMPARE(article.counts(), counts);
    QCOMPARE(article.exercise.wrongCharacters(), wrongCharacters);
    QCOMPARE(article.marks(view == View::Normal ? 0 : 1), marks);
    QCOMPARE(article.sounds, sounds);
    QCOMPARE(article.finished, finished ? 1 : 0);
    QCOMPARE(article.model.isFinished(), finished);
    // Every key starts the clock; the end stops it.
    QCOMPARE(article.exercise.isClockRunning(), !finished);
}

void tst_ArticleModel::endsWhileTheLastKeyIsPressed_data()
{
    QTest::addColumn<View>("view");
    QTest::newRow("normal") << View::Normal;
    QTest::newRow("abreast") << View::Abreast;
}

// The save dialog opens from the key press, before the key reaches the box;
// the figures it takes already count the last character.
void tst_ArticleModel::endsWhileTheLastKeyIsPressed()
{
    QFETCH(View, view);

    Article article("ab");
    article.model.open(Language::English, view);
    Counts countsWhenFinished;
    bool clockWhenFinished = true;
    QObject::connect(&article.model, &ArticleModel::finished, [&] {
        countsWhenFinished = article.counts();
        clockWhenFinished = article.exercise.isClockRunning();
    });
    article.type("a");
    QCOMPARE(article.finished, 0);
    const int box = article.model.currentBox();
    const ArticleModel::Press press = article.model.keyPress(box, U'b', u"a");
    QVERIFY(press.finished);
    QCOMPARE(article.finished, 1);
    QCOMPARE(article.typedWhenFinished, "a");
    QCOMPARE(countsWhenFinished, (Counts{2, 2, 0}));
    QVERIFY(!clockWhenFinished);
    // The change that follows once the dialog has closed changes nothing.
    article.model.change(box, u"ab");
    QCOMPARE(article.counts(), (Counts{2, 2, 0}));
}

void tst_ArticleModel::smartWordChoiceColoursWords_data()
{
    QTest::addColumn<View>("view");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<QString>("wrongCharacters");

    for (const View view : {View::Normal, View::Abreast}) {
        const QByteArray name = view == View::Normal ? "normal: " : "abreast: ";
        // "中国" is a word of the code lists, "好" is unknown.
        QTest::newRow(name + "the first character colours the word")
            << view << "中" << "++." << Counts{1, 1, 0} << "";
        QTest::newRow(name + "the second character recolours itself")
            << view << "中果" << "+-." << Counts{2, 1, 1} << "国";
        QTest::newRow(name + "a wrong first character colours the word wrong")
            << view << "果" << "--." << Counts{1, 0, 1} << "中";
        QTest::newRow(name + "then the next word") << view << "中国x" << "++-" << Counts{3, 2, 1} << "好";
    }
}

void tst_ArticleModel::smartWordChoiceColoursWords()
{
    QFETCH(View, view);
    QFETCH(QString, keys);
    QFETCH(QString, marks);
    QFETCH(Counts, counts);
    QFETCH(QString, wrongCharacters);

    Article article("中国好");
    article.settings.CWordElect = 1;
    article.model.open(Language::Chinese, view);
    const int box = article.model.currentBox();
    QCOMPARE(article.model.box(box).target, "中国");
    article.type(keys);
    QCOMPARE(article.marks(box), marks);
    QCOMPARE(article.counts(), counts);
    QCOMPARE(article.exercise.wrongCharacters(), wrongCharacters);
}

void tst_ArticleModel::englishHintsFollowTheTyping()
{
    Article article("hello world");
    article.settings.EWordCue = 1;
    article.settings.EAutoRecite = 1;
    article.model.open(Language::English, View::Normal);
    QCOMPARE(article.model.labels().Label11, "【hello】 解释：你好");
    QCOMPARE(article.spoken, QStringList{"hello"});
    QCOMPARE(article.keyMarks, QStringList{"h"});
    // The first word is no hint word: the read-aloud key has nothing to say.
    article.model.keyDown(0, ReciteKey);
    QCOMPARE(article.spoken, QStringList{"hello"});

    article.type("hello");
    QCOMPARE(article.keyMarks, (QStringList{"h", "e", "l", "l", "o", " "}));
    QCOMPARE(article.model.labels().Label11, "【world】 解释：世界");
    QCOMPARE(article.model.hintWord(), "world");
    QCOMPARE(article.spoken, (QStringList{"hello", "world"}));
    article.model.keyDown(0, CueKey);
    article.model.keyDown(0, ReciteKey);
    QCOMPARE(article.spoken, (QStringList{"hello", "world", "world"}));

    // Typing on empties the hint word; the hint line keeps the meaning.
    article.type(" ");
    QCOMPARE(article.model.hintWord(), QString());
    QCOMPARE(article.model.labels().Label11, "【world】 解释：世界");
    article.model.keyDown(0, ReciteKey);
    QCOMPARE(article.spoken, (QStringList{"hello", "world", "world"}));

    // Word hints switched off meanwhile: no hint from the next change on.
    article.settings.EWordCue = 0;
    article.type("w");
    QCOMPARE(article.model.labels(), ArticleHints::Labels());
}

void tst_ArticleModel::chineseHintsAndCueKey()
{
    Article article("中国，");
    article.model.open(Language::Chinese, View::Normal);
    // Code hint off: no hint; the hot key shows it all the same.
    QCOMPARE(article.model.labels().Label11, QString());
    article.model.keyDown(0, ReciteKey);
    QCOMPARE(article.model.labels().Label11, QString());
    article.model.keyDown(0, CueKey);
    QCOMPARE(article.model.labels().Label11, "【中】  五笔编码：   k");
    QCOMPARE(article.wubi, QStringList{"k"});

    article.settings.CAWordCue = 1;
    article.type("中");
    QCOMPARE(article.model.labels().Label11, "【国】  五笔编码：   l");
    article.type("国");
    QCOMPARE(article.model.labels().Label11, "非汉字，无编码提示！");
    QCOMPARE(article.wubi, (QStringList{"k", "l", ""}));
    // No code for the hot key to show: the hint stays.
    article.model.keyDown(0, CueKey);
    QCOMPARE(article.model.labels().Label11, "非汉字，无编码提示！");
    QCOMPARE(article.keyMarks, QStringList{});
}

// Nine lines: the first page holds eight; finishing the eighth shows the
// ninth in the first pair, and the pairs below it are empty and disabled.
void tst_ArticleModel::abreastPages()
{
    const QStringList lines{repeated("一", 23), repeated("二", 23), repeated("三", 23),
                            repeated("四", 23), repeated("五", 23), repeated("六", 23),
                            repeated("七", 23), repeated("八", 23), "九九九九九"};
    Article article(lines.join(QString()));
    article.model.open(Language::Chinese, View::Abreast);
    QCOMPARE(article.model.lines(), lines);
    QCOMPARE(article.model.pageOffset(), 0);
    QCOMPARE(article.model.activeLine(), 1);
    QCOMPARE(article.focus, QList<int>{1});
    for (int i = 1; i <= 8; ++i) {
        QCOMPARE(article.model.box(i).source.text(), lines[i - 1]);
        QCOMPARE(article.model.box(i).enabled, i == 1);
    }

    article.type(lines[0]);
    QCOMPARE(article.model.activeLine(), 2);
    QVERIFY(!article.model.box(1).enabled);
    QVERIFY(article.model.box(2).enabled);
    QCOMPARE(article.model.box(1).typed, lines[0]);
    QCOMPARE(article.exercise.earlierCount(), 23);
    QCOMPARE(article.counts(), (Counts{23, 23, 0}));
    QCOMPARE(article.focus, (QList<int>{1, 2}));
    // A disabled pair takes no keys.
    QCOMPARE(article.model.keyPress(1, U'x', lines[0]), ArticleModel::Press());
    QCOMPARE(article.counts(), (Counts{23, 23, 0}));

    article.type(lines.mid(1, 7).join(QString()));
    QCOMPARE(article.model.pageOffset(), 8);
    QCOMPARE(article.model.activeLine(), 1);
    QCOMPARE(article.model.box(1).source.text(), lines[8]);
    QCOMPARE(article.model.box(1).typed, QString());
    QCOMPARE(article.marks(1), ".....");
    QVERIFY(article.model.box(1).enabled);
    for (int i = 2; i <= 8; ++i) {
        QCOMPARE(article.model.box(i).source.text(), QString());
        QVERIFY(!article.model.box(i).enabled);
    }
    QCOMPARE(article.exercise.earlierCount(), 184);
    QCOMPARE(article.counts(), (Counts{184, 184, 0}));

    article.type("九九九九");
    QCOMPARE(article.finished, 0);
    article.type("九");
    QCOMPARE(article.finished, 1);
    QCOMPARE(article.counts(), (Counts{189, 189, 0}));
}

// An input line holds no more than its source line, and a longer text handed
// in counts only up to it.
void tst_ArticleModel::abreastLineLimit()
{
    Article article(repeated("abc ", 11));
    article.model.open(Language::English, View::Abreast);
    QCOMPARE(article.model.maxLength(1), 44);
    QCOMPARE(article.model.maxLength(0), -1);

    const QString first = repeated("abcdefghi ", 4); // 40 characters, ends in a space

    Article longer(first + repeated("abcdefghi ", 1) + "x");
    longer.model.open(Language::English, View::Abreast);
    QCOMPARE(longer.model.lines(), (QStringList{first, "abcdefghi x"}));
    QCOMPARE(longer.model.maxLength(1), 40);
    longer.model.change(1, QString(first + "ab"));
    QCOMPARE(longer.counts().input, 40);
    QCOMPARE(longer.model.activeLine(), 2);
    QCOMPARE(longer.exercise.earlierCount(), 40);
}

void tst_ArticleModel::abreastHintsEachLine()
{
    const QString first = "hello " + repeated("a", 36) + " "; // 43 characters
    Article article(first + "world peace");
    article.settings.EWordCue = 1;
    article.settings.EAutoRecite = 1;
    article.model.open(Language::English, View::Abreast);
    QCOMPARE(article.model.lines(), (QStringList{first, "world peace"}));
    QCOMPARE(article.model.labels(), (ArticleHints::Labels{"", "hello", "【hello】 解释：你好"}));

    article.type(first);
    QCOMPARE(article.model.activeLine(), 2);
    QCOMPARE(article.model.labels(), (ArticleHints::Labels{"", "world", "【world】 解释：世界"}));
    QCOMPARE(article.spoken.last(), "world");
    // The abreast view covers the keyboards.
    QCOMPARE(article.keyMarks, QStringList{});
    QCOMPARE(article.wubi, QStringList{});
}

void tst_ArticleModel::switchingViews_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<View>("from");
    QTest::addColumn<QString>("keysBefore");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("keysAfter");
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<bool>("finished");

    const QString chinese = repeated("中", 23) + repeated("国", 7);
    QTest::newRow("normal to abreast in the middle")
        << Language::English << "abcdefgh" << View::Normal << "abc" << "defgh" << "" << Counts{3, 3, 0} << false;
    QTest::newRow("normal to abreast, typing on")
        << Language::English << "abcdefgh" << View::Normal << "axc" << "defgh" << "dx" << Counts{5, 3, 2} << false;
    QTest::newRow("abreast to normal in the second line")
        << Language::Chinese << chinese << View::Abreast << repeated("中", 23) + "国国" << repeated("国", 5) << "国"
        << Counts{26, 26, 0} << false;
    QTest::newRow("after deleting everything typed")
        << Language::English << "abcdef" << View::Normal << "ab\b\b" << "abcdef" << "" << Counts{0, 0, 0} << false;
    QTest::newRow("switch, then finish")
        << Language::English << "abc" << View::Normal << "a" << "bc" << "bc" << Counts{3, 3, 0} << true;
    QTest::newRow("abreast to normal, then finish")
        << Language::English << "abc" << View::Abreast << "ab" << "c" << "c" << Counts{3, 3, 0} << true;
}

// The switch keeps the counts and goes on at the next character to type.
void tst_ArticleModel::switchingViews()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(View, from);
    QFETCH(QString, keysBefore);
    QFETCH(QString, source);
    QFETCH(QString, keysAfter);
    QFETCH(Counts, counts);
    QFETCH(bool, finished);

    Article article(text);
    article.model.open(language, from);
    article.type(keysBefore);
    const int inputCount = article.counts().input;
    const View to = from == View::Normal ? View::Abreast : View::Normal;
    article.model.switchView(to);
    QCOMPARE(article.model.view(), to);
    QCOMPARE(article.exercise.earlierCount(), inputCount);
    QCOMPARE(article.counts().input, inputCount);
    const int box = article.model.currentBox();
    QCOMPARE(article.model.box(box).source.text().left(source.size()), source);
    QCOMPARE(article.model.box(box).typed, QString());
    QCOMPARE(article.marks(box), QString(article.model.box(box).source.size(), u'.'));
    article.type(keysAfter);
    QCOMPARE(article.counts(), counts);
    QCOMPARE(article.model.isFinished(), finished);
}

// The lookups of the program: the code lists and the meaning list.
void tst_ArticleModel::programLookups()
{
    Settings settings;
    settings.InputMeans = "五笔";
    settings.CAWordCue = 1;
    settings.EWordCue = 1;
    CodeTable codeTable(ProgramFolder(QStringLiteral(QINTARA_TEST_DATA_DIR "/material/program")), settings);
    MeaningList meanings(ProgramFolder(QStringLiteral(QINTARA_TEST_DATA_DIR "/practice/meanings/program")));
    meanings.LoadMeaningList();
    Exercise exercise;
    ArticleModel model(settings, exercise, ArticleLookup::of(codeTable, meanings));

    exercise.setPractisedText("天地");
    model.open(Language::Chinese, View::Normal);
    QCOMPARE(model.labels().Label11, "【天】  五笔编码：   gd");

    exercise.setPractisedText("hello world");
    model.open(Language::English, View::Normal);
    QCOMPARE(model.labels().Label11, "【hello】 解释：你好");
}

QTEST_GUILESS_MAIN(tst_ArticleModel)
#include "tst_articlemodel.moc"
