// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleHints.h"
#include "core/practice/MarkedText.h"

#include <QHash>
#include <QTest>

using ArticleHints::Labels;
using ArticleHints::Next;
using ArticleHints::Options;

class tst_ArticleHints : public QObject
{
    Q_OBJECT

private slots:
    void chinese_data();
    void chinese();
    void english_data();
    void english();
    void cueKey_data();
    void cueKey();
};

namespace {

// Code lists and a meaning list that know a few words, answering as
// CodeTable::FindCode and MeaningList::FindMeaning do.
ArticleLookup fakeLookup()
{
    static const QHash<QString, QString> codes{
        {"中", "k"}, {"国", "l"}, {"人", "w"}, {"民", "n"}, {"中国", "khlg"}, {"中国人", "khlw"}, {"人民", "wwnn"},
    };
    static const QHash<QString, QString> meanings{{"hello", "你好"}, {"world", "世界"}, {"it", "它"}};
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

// The hint lines as a list, or an empty list for lines left as they are.
QStringList labelsOf(const Next &next)
{
    if (!next.labels)
        return {};
    return {next.labels->Label11, next.labels->Label21, next.labels->Label22};
}

// A call as a list of zero or one argument.
QStringList callOf(const std::optional<QString> &argument)
{
    return argument ? QStringList{*argument} : QStringList{};
}

const QString BeyondBmp = QString::fromUtf8("\xF0\xA0\x80\x80"); // U+20000

} // namespace

void tst_ArticleHints::chinese_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("smart");
    QTest::addColumn<bool>("codeHint");
    QTest::addColumn<bool>("abreast");
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("wubiCode");

    const QString wubi = "五笔";
    const QStringList noCode{"非汉字，无编码提示！", "", ""};
    const QStringList noCodeAbreast{"", "非汉字", " 无编码提示！"};
    const QStringList empty{"", "", ""};

    QTest::newRow("character with its code")
        << "中国人民" << 0 << false << true << false << wubi << "中"
        << QStringList{"【中】  五笔编码：   k", "", ""} << QStringList{"k"};
    QTest::newRow("punctuation has no code; the keyboard is cleared")
        << "，中" << 0 << false << true << false << wubi << "，" << noCode << QStringList{""};
    QTest::newRow("code hint off: no hint, no keyboard")
        << "中国" << 0 << false << false << false << wubi << "中" << empty << QStringList{};
    QTest::newRow("other input method: its name, no Wubi keyboard")
        << "中国" << 0 << false << true << false << "拼音" << "中"
        << QStringList{"【中】  拼音编码：   k", "", ""} << QStringList{};
    QTest::newRow("nothing left to type") << "中国" << 2 << false << true << false << wubi << "" << noCode
                                          << QStringList{""};
    QTest::newRow("a character beyond the BMP is the target")
        << BeyondBmp + "中" << 0 << false << true << false << wubi << BeyondBmp << noCode << QStringList{""};

    QTest::newRow("smart: the longest known word")
        << "中国人民" << 0 << true << true << false << wubi << "中国人"
        << QStringList{"【中国人】  五笔编码：   khlw", "", ""} << QStringList{"khlw"};
    QTest::newRow("smart: a word from the typing position")
        << "中国人民" << 2 << true << true << false << wubi << "人民"
        << QStringList{"【人民】  五笔编码：   wwnn", "", ""} << QStringList{"wwnn"};
    QTest::newRow("smart: the last character")
        << "中国人民" << 3 << true << true << false << wubi << "民"
        << QStringList{"【民】  五笔编码：   n", "", ""} << QStringList{"n"};
    QTest::newRow("smart: nothing known leaves the keyboard alone")
        << "，中国" << 0 << true << true << false << wubi << "，" << noCode << QStringList{};
    QTest::newRow("smart with the code hint off: word, no hint")
        << "中国人民" << 0 << true << false << false << wubi << "中国人" << empty << QStringList{};
    QTest::newRow("smart: nothing left to type") << "中国" << 2 << true << true << false << wubi << "" << noCode
                                                 << QStringList{};

    QTest::newRow("abreast: the word and its code")
        << "中国" << 0 << false << true << true << wubi << "中" << QStringList{"", "中", "五笔编码：k"}
        << QStringList{};
    QTest::newRow("abreast: smart word")
        << "中国" << 0 << true << true << true << wubi << "中国" << QStringList{"", "中国", "五笔编码：khlg"}
        << QStringList{};
    QTest::newRow("abreast: no code") << "，" << 0 << false << true << true << wubi << "，" << noCodeAbreast
                                      << QStringList{};
    QTest::newRow("abreast: smart, no code") << "，" << 0 << true << true << true << wubi << "，" << noCodeAbreast
                                             << QStringList{};
}

void tst_ArticleHints::chinese()
{
    QFETCH(QString, source);
    QFETCH(int, position);
    QFETCH(bool, smart);
    QFETCH(bool, codeHint);
    QFETCH(bool, abreast);
    QFETCH(QString, inputMeans);
    QFETCH(QString, target);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, wubiCode);

    Options options;
    options.language = Language::Chinese;
    options.abreast = abreast;
    options.smartWordChoice = smart;
    options.codeHint = codeHint;
    options.inputMeans = inputMeans;
    const Next next = ArticleHints::next(MarkedText(source), position, options, fakeLookup());
    QCOMPARE(next.target, target);
    QCOMPARE(next.targetLength, MarkedText::characterCount(target));
    QCOMPARE(labelsOf(next), labels);
    QCOMPARE(callOf(next.wubiCode), wubiCode);
    QCOMPARE(callOf(next.keyMark), QStringList{});
    QCOMPARE(next.speech, QStringList{});
}

void tst_ArticleHints::english_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("wordHints");
    QTest::addColumn<bool>("abreast");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("hintWord");
    QTest::addColumn<QStringList>("speech");

    const QString hello = "【hello】 解释：你好";
    const QString world = "【world】 解释：世界";
    QTest::newRow("start: the first word, not as hint word")
        << "hello world" << 0 << true << false << QStringList{hello, "", ""} << "" << QStringList{"hello"};
    QTest::newRow("start: a text without a space is one word")
        << "hello" << 0 << true << false << QStringList{hello, "", ""} << "" << QStringList{"hello"};
    QTest::newRow("inside a word the hint stays")
        << "hello world" << 2 << true << false << QStringList{} << "" << QStringList{};
    QTest::newRow("a space hints the word after it")
        << "hello world" << 5 << true << false << QStringList{world, "", ""} << "world" << QStringList{"world"};
    QTest::newRow("a word the list lacks")
        << "hello zzz ok" << 5 << true << false << QStringList{"【zzz】未找到该单词解释!", "", ""} << "zzz"
        << QStringList{"zzz"};
    QTest::newRow("the run ends at a non-letter")
        << "say it's" << 3 << true << false << QStringList{"【it】 解释：它", "", ""} << "it" << QStringList{"it"};
    QTest::newRow("capitals are letters")
        << "Say Hello" << 3 << true << false << QStringList{"【Hello】 解释：你好", "", ""} << "Hello"
        << QStringList{"Hello"};
    QTest::newRow("an empty run gives an empty hint")
        << "ab. c" << 2 << true << false << QStringList{"", "", ""} << "" << QStringList{};
    QTest::newRow("among the last two characters nothing is hinted")
        << "ab c" << 2 << true << false << QStringList{} << "" << QStringList{};
    QTest::newRow("a non-letter at the start: first word, then the word after it")
        << "\"hello world" << 0 << true << false << QStringList{hello, "", ""} << "hello"
        << QStringList{"\"hello", "hello"};
    QTest::newRow("word hints off: no hint")
        << "hello world" << 5 << false << false << QStringList{"", "", ""} << "" << QStringList{};
    QTest::newRow("abreast: the word and its meaning")
        << "hello world" << 5 << true << true << QStringList{"", "world", world} << "world" << QStringList{"world"};
    QTest::newRow("abreast: the first word of a line")
        << "world peace" << 0 << true << true << QStringList{"", "world", world} << "" << QStringList{"world"};
}

void tst_ArticleHints::english()
{
    QFETCH(QString, source);
    QFETCH(int, position);
    QFETCH(bool, wordHints);
    QFETCH(bool, abreast);
    QFETCH(QStringList, labels);
    QFETCH(QString, hintWord);
    QFETCH(QStringList, speech);

    const MarkedText text(source);
    Options options;
    options.language = Language::English;
    options.abreast = abreast;
    options.wordHints = wordHints;
    options.inputMeans = "五笔";
    options.readAloud = true;
    const Next next = ArticleHints::next(text, position, options, fakeLookup());
    QCOMPARE(next.target, text.at(position));
    QCOMPARE(next.targetLength, 1);
    QCOMPARE(labelsOf(next), labels);
    QCOMPARE(next.hintWord, hintWord);
    QCOMPARE(next.speech, speech);
    // The normal view marks the target on the on-screen keyboard.
    QCOMPARE(callOf(next.keyMark), abreast ? QStringList{} : QStringList{text.at(position)});
    QCOMPARE(callOf(next.wubiCode), QStringList{});

    // Reading aloud off: the same hints, silently.
    options.readAloud = false;
    const Next silent = ArticleHints::next(text, position, options, fakeLookup());
    QCOMPARE(labelsOf(silent), labels);
    QCOMPARE(silent.speech, QStringList{});
}

void tst_ArticleHints::cueKey_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("abreast");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("wubiCode");

    QTest::newRow("known word") << Language::Chinese << "中国" << false
                                << QStringList{"【中国】  五笔编码：   khlg", "", ""} << QStringList{"khlg"};
    QTest::newRow("known word, abreast") << Language::Chinese << "中国" << true
                                         << QStringList{"", "中国", "五笔编码：khlg"} << QStringList{};
    QTest::newRow("unknown: nothing changes") << Language::Chinese << "，" << false << QStringList{}
                                              << QStringList{};
    QTest::newRow("English: nothing") << Language::English << "h" << false << QStringList{} << QStringList{};
}

void tst_ArticleHints::cueKey()
{
    QFETCH(Language, language);
    QFETCH(QString, target);
    QFETCH(bool, abreast);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, wubiCode);

    Options options;
    options.language = language;
    options.abreast = abreast;
    options.codeHint = false; // the hot key shows the code all the same
    options.inputMeans = "五笔";
    const Next cue = ArticleHints::cue(target, options, fakeLookup());
    QCOMPARE(labelsOf(cue), labels);
    QCOMPARE(callOf(cue.wubiCode), wubiCode);
}

QTEST_GUILESS_MAIN(tst_ArticleHints)
#include "tst_articlehints.moc"
