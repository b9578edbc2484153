// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/RecentArticle.h"

#include "core/practice/Exercise.h"
#include "core/settings/Settings.h"

#include "ScriptedRandom.h"

#include <QTest>

using Action = RecentArticle::Action;

namespace {

QString fixture(const QString &relative)
{
    return QStringLiteral(QINTARA_TEST_DATA_DIR "/material/articles/") + relative;
}

// "灯塔的光照着海面。": nine characters.
const QString Lighthouse = QStringLiteral("program/article/chinese/故事/灯塔.lmf");

} // namespace

class tst_RecentArticle : public QObject
{
    Q_OBJECT

private slots:
    void decide_data();
    void decide();
    void menuPicksItsLanguage();
    void placeStoredByCleanupResumes();
    void ofToolbarButton_data();
    void ofToolbarButton();
};

void tst_RecentArticle::decide_data()
{
    QTest::addColumn<QString>("file"); // below the fixtures; empty for none stored
    QTest::addColumn<qint32>("place");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("practised");
    QTest::addColumn<bool>("resumed");
    QTest::addColumn<QString>("message");

    const QString whole = QStringLiteral("灯塔的光照着海面。");
    QTest::newRow("place 1") << Lighthouse << 1 << Action::Start << whole << true << "";
    QTest::newRow("place in the text") << Lighthouse << 4 << Action::Start << "光照着海面。" << true << "";
    QTest::newRow("place at the last character") << Lighthouse << 9 << Action::Start << "。" << true << "";
    QTest::newRow("typed to the end starts over") << Lighthouse << 10 << Action::Start << whole << false << "";
    QTest::newRow("place far beyond the text") << Lighthouse << 70000 << Action::Start << whole << false << "";
    QTest::newRow("place 0 starts over") << Lighthouse << 0 << Action::Start << whole << false << "";
    QTest::newRow("negative place starts over") << Lighthouse << -3 << Action::Start << whole << false << "";
    QTest::newRow("plain UTF-8 text read as when it was opened")
        << "text/utf8.txt" << 9 << Action::Start << "打字练习第二行：中文与English。" << true << "";

    QTest::newRow("nothing stored") << "" << 1 << Action::OpenDialog << "" << false << "";
    QTest::newRow("file deleted") << "text/deleted.txt" << 1 << Action::OpenDialog << "" << false << "";
    QTest::newRow("a folder is no article") << "text" << 1 << Action::OpenDialog << "" << false << "";
    QTest::newRow("damaged article") << "broken/seven lines.lmf" << 1 << Action::Refused << "" << false
                                     << "这个练习文件已损坏!";
    QTest::newRow("article without text") << "broken/empty text.lmf" << 1 << Action::Refused << "" << false
                                           << "这个练习文件已损坏!";
}

void tst_RecentArticle::decide()
{
    QFETCH(QString, file);
    QFETCH(qint32, place);
    QFETCH(Action, action);
    QFETCH(QString, practised);
    QFETCH(bool, resumed);
    QFETCH(QString, message);

    const QString path = file.isEmpty() ? QString() : fixture(file);
    // The language test draws the first character of the rest ten times.
    ScriptedRandom random(QList<double>(action == Action::Start ? 10 : 0, 0.0));
    const RecentArticle recent = RecentArticle::decide(path, place, random);
    QCOMPARE(recent.action, action);
    QCOMPARE(recent.practisedText, practised);
    QCOMPARE(recent.resumed, resumed);
    QCOMPARE(recent.message(), message);
    QCOMPARE(random.left(), 0);
    if (action == Action::Start) {
        QCOMPARE(recent.path, path);
        QCOMPARE(recent.language, practised.at(0).unicode() < 128 ? Language::English : Language::Chinese);
    }
}

void tst_RecentArticle::menuPicksItsLanguage()
{
    Settings settings;
    settings.Earticle = fixture(Lighthouse);
    settings.Eplace = 4;
    settings.Carticle = fixture(QStringLiteral("text/gbk.txt"));
    settings.Cplace = 9;

    ScriptedRandom random;
    QCOMPARE(RecentArticle::decide(Language::English, settings, random).practisedText,
             QStringLiteral("光照着海面。"));
    QCOMPARE(RecentArticle::decide(Language::Chinese, settings, random).practisedText,
             QStringLiteral("打字练习第二行：中文与English。"));

    settings.Earticle.clear();
    QCOMPARE(RecentArticle::decide(Language::English, settings, random).action, Action::OpenDialog);
}

// The place Cleanup stores counts in the text this entry resumes.
void tst_RecentArticle::placeStoredByCleanupResumes()
{
    Settings settings;
    Exercise exercise;
    ScriptedRandom random;
    const QString path = fixture(Lighthouse);

    // Opened afresh, three characters typed.
    exercise.articles().english = true;
    exercise.articles().currentEnglish = path;
    exercise.setCount(Exercise::Counter::Input, 3);
    exercise.Cleanup(settings);
    RecentArticle recent = RecentArticle::decide(Language::English, settings, random);
    QCOMPARE(recent.practisedText, QStringLiteral("光照着海面。"));
    QVERIFY(recent.resumed);

    // Resumed, the rest typed to the end.
    exercise.articles().english = true;
    exercise.articles().resumed = recent.resumed;
    exercise.setCount(Exercise::Counter::Input, 6);
    exercise.Cleanup(settings);
    QCOMPARE(settings.Eplace, 10);
    recent = RecentArticle::decide(Language::English, settings, random);
    QCOMPARE(recent.practisedText, QStringLiteral("灯塔的光照着海面。"));
    QVERIFY(!recent.resumed);

    // Started over, two typed: the place counts from the beginning again.
    exercise.articles().english = true;
    exercise.articles().resumed = recent.resumed;
    exercise.setCount(Exercise::Counter::Input, 2);
    exercise.Cleanup(settings);
    QCOMPARE(settings.Eplace, 3);
    QCOMPARE(RecentArticle::decide(Language::English, settings, random).practisedText,
             QStringLiteral("的光照着海面。"));
}

void tst_RecentArticle::ofToolbarButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<std::optional<Language>>("language");

    QTest::newRow("button 0: recent English") << 0 << std::optional(Language::English);
    QTest::newRow("button 1: recent Chinese") << 1 << std::optional(Language::Chinese);
    QTest::newRow("button 2") << 2 << std::optional<Language>();
    QTest::newRow("no button") << -1 << std::optional<Language>();
}

void tst_RecentArticle::ofToolbarButton()
{
    QFETCH(int, button);
    QFETCH(std::optional<Language>, language);

    QCOMPARE(RecentArticle::ofToolbarButton(button), language);
}

QTEST_GUILESS_MAIN(tst_RecentArticle)
#include "tst_recentarticle.moc"
