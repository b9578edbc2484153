// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleSelection.h"

#include "core/platform/ProgramFolder.h"

#include "ScriptedRandom.h"
#include "TestFolder.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

using Preview = ArticleSelection::Preview;
using Countdown = ArticleSelection::Countdown;
using Outcome = ArticleSelection::Accepted::Outcome;

namespace {

// An article file of the given text, as GB18030 bytes so that characters
// beyond GBK can be written too.
QByteArray articleBytes(const QString &text)
{
    const QString lines = QStringLiteral("文章\r\nQintara\r\n测试\r\n10001\r\na@example.org\r\n"
                                         "https://example.org\r\n备注\r\n")
                          + text + QStringLiteral("\r\n");
    return QStringEncoder("GB18030").encode(lines);
}

// A tree of one English category "Tests" holding the given articles.
ArticleSelection selectionOf(const TestFolder &folder, const QList<std::pair<QString, QByteArray>> &files)
{
    for (const auto &[title, bytes] : files)
        folder.write(QStringLiteral("program/article/english/Tests/") + title + QStringLiteral(".lmf"), bytes);
    return ArticleSelection(ArticleTree::build(ProgramFolder(folder.file(QStringLiteral("program"))),
                                               QString(), Language::English));
}

} // namespace

class tst_ArticleSelection : public QObject
{
    Q_OBJECT

private slots:
    void preview_data();
    void preview();
    void failedPreviewKeepsTheShownArticle();
    void previewCaption_data();
    void previewCaption();
    void countdownBox();
    void accept_data();
    void accept();
    void acceptNeedsAnArticleWithText();
    void refusedCountdownLeavesNothingBehind();
    void randomPositionKeepsCharactersWhole();
};

void tst_ArticleSelection::preview_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("article");
    QTest::addColumn<Preview>("result");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    // The Chinese tree of the fixture: 故事, 散文, 错字练习 (a program
    // category), then the user's 错字练习.
    QTest::newRow("category node") << 0 << -1 << Preview::Ignored << "" << "" << "文章预览：";
    QTest::newRow("wrong-character node") << 3 << -1 << Preview::Ignored << "" << "" << "文章预览：";
    QTest::newRow("article") << 0 << 1 << Preview::Shown << "灯塔" << "灯塔的光照着海面。"
                             << "文章预览：(共9字)";
    QTest::newRow("article named like a category")
        << 1 << 0 << Preview::Shown << "故事" << "名叫故事的散文。" << "文章预览：(共8字)";
    QTest::newRow("category folder named 错字练习 reads the program's file")
        << 2 << 0 << Preview::Shown << "同名" << "程序目录里的同名类别。" << "文章预览：(共11字)";
    QTest::newRow("wrong-character file reads the user's file")
        << 3 << 0 << Preview::Shown << "小猫钓鱼" << "钓鱼" << "文章预览：(共2字)";
}

void tst_ArticleSelection::preview()
{
    QFETCH(int, category);
    QFETCH(int, article);
    QFETCH(Preview, result);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, caption);

    TestFolder folder;
    folder.copyFixture(QStringLiteral("material/articles"));
    ArticleSelection selection(ArticleTree::build(ProgramFolder(folder.file(QStringLiteral("program"))),
                                                  folder.file(QStringLiteral("user")), Language::Chinese));
    QCOMPARE(selection.preview(category, article), result);
    QCOMPARE(selection.title(), title);
    QCOMPARE(selection.previewed() ? selection.previewed()->text : QString(), text);
    QCOMPARE(selection.previewCaption(), caption);
    QCOMPARE(selection.isOkEnabled(), result == Preview::Shown);
}

void tst_ArticleSelection::failedPreviewKeepsTheShownArticle()
{
    TestFolder folder;
    QFile seven(QStringLiteral(QINTARA_TEST_DATA_DIR "/material/articles/broken/seven lines.lmf"));
    QVERIFY(seven.open(QIODevice::ReadOnly));
    // Tests holds: broken, good, vanishing.
    ArticleSelection selection =
        selectionOf(folder, { { QStringLiteral("broken"), seven.readAll() },
                              { QStringLiteral("good"), articleBytes(QStringLiteral("Good text.")) },
                              { QStringLiteral("vanishing"), articleBytes(QStringLiteral("Gone.")) } });

    // Damaged before anything was shown: OK stays disabled.
    QCOMPARE(selection.preview(0, 0), Preview::Damaged);
    QVERIFY(!selection.previewed());
    QVERIFY(!selection.isOkEnabled());
    QCOMPARE(selection.previewCaption(), QStringLiteral("文章预览："));

    QCOMPARE(selection.preview(0, 1), Preview::Shown);
    QCOMPARE(selection.preview(0, 0), Preview::Damaged);
    QVERIFY(QFile::remove(folder.file(QStringLiteral("program/article/english/Tests/vanishing.lmf"))));
    QCOMPARE(selection.preview(0, 2), Preview::Unreadable);
    QCOMPARE(selection.preview(0, -1), Preview::Ignored);

    QCOMPARE(selection.title(), QStringLiteral("good"));
    QCOMPARE(selection.previewed()->text, QStringLiteral("Good text."));
    QCOMPARE(selection.previewCaption(), QStringLiteral("文章预览：(共10字)"));
    QVERIFY(selection.isOkEnabled());
}

void tst_ArticleSelection::previewCaption_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("okEnabled");

    QTest::newRow("500 Chinese characters")
        << articleBytes(QString(500, QChar(0x5B57))) << "文章预览：(共500字)" << true;
    QTest::newRow("spaces and punctuation count")
        << articleBytes(QStringLiteral("Hello, world. 你好！")) << "文章预览：(共17字)" << true;
    QTest::newRow("a character beyond GBK counts once")
        << articleBytes(QStringLiteral("a\U00020000b")) << "文章预览：(共3字)" << true;
    // Nothing to type: shown, but it cannot be started.
    QTest::newRow("empty text") << articleBytes(QString()) << "文章预览：(共0字)" << false;
}

void tst_ArticleSelection::previewCaption()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, caption);
    QFETCH(bool, okEnabled);

    TestFolder folder;
    ArticleSelection selection = selectionOf(folder, { { QStringLiteral("article"), bytes } });
    QCOMPARE(selection.preview(0, 0), Preview::Shown);
    QCOMPARE(selection.previewCaption(), caption);
    QCOMPARE(selection.isOkEnabled(), okEnabled);
}

void tst_ArticleSelection::countdownBox()
{
    ArticleSelection selection { ArticleTree() };
    QVERIFY(!selection.isCountdownTicked());
    QCOMPARE(selection.countdownTime(), Countdown());

    selection.setCountdownTicked(true);
    QCOMPARE(selection.countdownTime(), (Countdown { 0, 10, 0 }));

    selection.setCountdownTime({ 1, 2, 3 });
    selection.setCountdownTicked(false);
    QVERIFY(!selection.isCountdownTicked());
    QCOMPARE(selection.countdownTime(), Countdown());

    // Ticked again: ten minutes again, not the time set before.
    selection.setCountdownTicked(true);
    QCOMPARE(selection.countdownTime(), (Countdown { 0, 10, 0 }));
}

void tst_ArticleSelection::accept_data()
{
    QTest::addColumn<bool>("countdownTicked");
    QTest::addColumn<Countdown>("time");
    QTest::addColumn<bool>("randomPosition");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("practised");
    QTest::addColumn<std::optional<Countdown>>("countdown");
    QTest::addColumn<Language>("language");

    // The article "abcdef中文汉字": ten characters, six of them letters.
    const QList<double> letters { 0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.0, 0.1, 0.2, 0.3 };
    const QList<double> chinese(10, 0.95);
    const Countdown none;
    const std::optional<Countdown> up;

    QTest::newRow("whole article, counting up")
        << false << none << false << letters << Outcome::Start << "abcdef中文汉字" << up << Language::English;
    QTest::newRow("language of the text") << false << none << false << chinese << Outcome::Start
                                          << "abcdef中文汉字" << up << Language::Chinese;
    QTest::newRow("random position at the first character")
        << false << none << true << (QList<double> { 0.0 } + chinese) << Outcome::Start
        << "abcdef中文汉字" << up << Language::Chinese;
    QTest::newRow("random position at the last character")
        << false << none << true << (QList<double> { 0.999 } + chinese) << Outcome::Start << "字" << up
        << Language::Chinese;
    // The language test looks at the whole article, not at the rest.
    QTest::newRow("random position, language of the whole article")
        << false << none << true << (QList<double> { 0.6 } + letters) << Outcome::Start << "中文汉字" << up
        << Language::English;
    QTest::newRow("countdown of ten minutes")
        << true << Countdown { 0, 10, 0 } << false << chinese << Outcome::Start << "abcdef中文汉字"
        << std::optional<Countdown>(Countdown { 0, 10, 0 }) << Language::Chinese;
    QTest::newRow("countdown of thirty seconds")
        << true << Countdown { 0, 0, 30 } << false << chinese << Outcome::Start << "abcdef中文汉字"
        << std::optional<Countdown>(Countdown { 0, 0, 30 }) << Language::Chinese;
    QTest::newRow("countdown of one hour")
        << true << Countdown { 1, 0, 0 } << true << (QList<double> { 0.5 } + chinese) << Outcome::Start
        << "f中文汉字" << std::optional<Countdown>(Countdown { 1, 0, 0 }) << Language::Chinese;
    QTest::newRow("countdown of zero") << true << none << true << QList<double>() << Outcome::ZeroCountdown
                                       << "" << up << Language::Chinese;
}

void tst_ArticleSelection::accept()
{
    QFETCH(bool, countdownTicked);
    QFETCH(Countdown, time);
    QFETCH(bool, randomPosition);
    QFETCH(QList<double>, draws);
    QFETCH(Outcome, outcome);
    QFETCH(QString, practised);
    QFETCH(std::optional<Countdown>, countdown);
    QFETCH(Language, language);

    TestFolder folder;
    ArticleSelection selection =
        selectionOf(folder, { { QStringLiteral("Mixed"), articleBytes(QStringLiteral("abcdef中文汉字")) } });
    QCOMPARE(selection.preview(0, 0), Preview::Shown);
    selection.setCountdownTicked(countdownTicked);
    if (countdownTicked)
        selection.setCountdownTime(time);
    selection.setRandomPosition(randomPosition);

    ScriptedRandom random(draws);
    const ArticleSelection::Accepted accepted = selection.accept(random);
    QCOMPARE(accepted.outcome, outcome);
    QCOMPARE(random.left(), 0);
    QCOMPARE(accepted.start.practisedText, practised);
    QCOMPARE(accepted.start.countdown, countdown);
    if (outcome == Outcome::Start) {
        QCOMPARE(accepted.start.title, QStringLiteral("Mixed"));
        QCOMPARE(accepted.start.language, language);
    }
}

void tst_ArticleSelection::acceptNeedsAnArticleWithText()
{
    TestFolder folder;
    ArticleSelection selection = selectionOf(folder, { { QStringLiteral("empty"), articleBytes(QString()) } });
    ScriptedRandom random;
    QCOMPARE(selection.accept(random).outcome, Outcome::NotReady);
    QCOMPARE(selection.preview(0, 0), Preview::Shown);
    selection.setRandomPosition(true);
    QCOMPARE(selection.accept(random).outcome, Outcome::NotReady);
}

void tst_ArticleSelection::refusedCountdownLeavesNothingBehind()
{
    TestFolder folder;
    ArticleSelection selection =
        selectionOf(folder, { { QStringLiteral("a"), articleBytes(QStringLiteral("text")) } });
    selection.preview(0, 0);
    selection.setCountdownTicked(true);
    selection.setCountdownTime({});
    ScriptedRandom random;
    QCOMPARE(selection.accept(random).outcome, Outcome::ZeroCountdown);

    selection.setCountdownTicked(false);
    const ArticleSelection::Accepted accepted = selection.accept(random);
    QCOMPARE(accepted.outcome, Outcome::Start);
    QCOMPARE(accepted.start.countdown, std::optional<Countdown>());
}

void tst_ArticleSelection::randomPositionKeepsCharactersWhole()
{
    // Three characters, the middle one beyond GBK: each of the three draws
    // starts at a whole character.
    TestFolder folder;
    ArticleSelection selection =
        selectionOf(folder, { { QStringLiteral("wide"), articleBytes(QStringLiteral("a\U00020000b")) } });
    selection.preview(0, 0);
    selection.setRandomPosition(true);
    const QList<std::pair<double, QString>> draws { { 0.0, QStringLiteral("a\U00020000b") },
                                                    { 0.4, QStringLiteral("\U00020000b") },
                                                    { 0.9, QStringLiteral("b") } };
    for (const auto &[draw, text] : draws) {
        ScriptedRandom random({ draw });
        QCOMPARE(selection.accept(random).start.practisedText, text);
    }
}

QTEST_GUILESS_MAIN(tst_ArticleSelection)
#include "tst_articleselection.moc"
