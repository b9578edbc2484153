// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/practice/ArticleOptions.h"
#include "core/settings/Settings.h"

#include <QSignalSpy>
#include <QTest>

using Box = ArticleOptions::Box;

class tst_ArticleOptions : public QObject
{
    Q_OBJECT

private slots:
    void openTakesTheSettings_data();
    void openTakesTheSettings();
    void englishBoxesGoTogether_data();
    void englishBoxesGoTogether();
    void chineseCodeHintPicksTheKeyboard_data();
    void chineseCodeHintPicksTheKeyboard();
    void hintsLoadWhatTheyNeed();
};

void tst_ArticleOptions::openTakesTheSettings_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("abreast");
    QTest::addColumn<int>("hintsSetting");  // EWordCue or CWordElect
    QTest::addColumn<int>("secondSetting"); // EAutoRecite or CAWordCue
    QTest::addColumn<QString>("captions");  // hints box, then second box
    QTest::addColumn<bool>("hints");
    QTest::addColumn<bool>("second");

    QTest::newRow("English, normal") << "e" << false << 1 << 0 << "单词提示 单词朗读" << true << false;
    QTest::newRow("Chinese, abreast") << "c" << true << 0 << 1 << "智能选词 编码提示" << false << true;
    // The read-aloud box runs first and ticks the hints it needs.
    QTest::newRow("English read-aloud without hints") << "e" << false << 0 << 1 << "单词提示 单词朗读" << true << true;
    QTest::newRow("English, abreast, nothing") << "e" << true << 0 << 0 << "单词提示 单词朗读" << false << false;
}

void tst_ArticleOptions::openTakesTheSettings()
{
    QFETCH(QString, language);
    QFETCH(bool, abreast);
    QFETCH(int, hintsSetting);
    QFETCH(int, secondSetting);
    QFETCH(QString, captions);
    QFETCH(bool, hints);
    QFETCH(bool, second);

    Settings settings;
    const bool english = language == u"e";
    (english ? settings.EWordCue : settings.CWordElect) = qint16(hintsSetting);
    (english ? settings.EAutoRecite : settings.CAWordCue) = qint16(secondSetting);
    ArticleOptions options(settings);
    options.open(languageOfCode(language).value(), abreast);

    const Box hintsBox = abreast ? Box::Check7 : Box::Check3;
    const Box secondBox = abreast ? Box::Check6 : Box::Check4;
    QCOMPARE(options.caption(hintsBox) + u' ' + options.caption(secondBox), captions);
    QCOMPARE(options.ticked(hintsBox), hints);
    QCOMPARE(options.ticked(secondBox), second);
    QCOMPARE(english ? settings.EWordCue : settings.CWordElect, qint16(hints ? 1 : 0));
    QCOMPARE(english ? settings.EAutoRecite : settings.CAWordCue, qint16(second ? 1 : 0));
}

void tst_ArticleOptions::englishBoxesGoTogether_data()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<bool>("readAloud");

    // Both boxes start ticked for an untick, unticked for a tick.
    QTest::newRow("unticking Check3 unticks Check4") << Box::Check3 << false << false << false;
    QTest::newRow("ticking Check4 ticks Check3") << Box::Check4 << true << true << true;
    QTest::newRow("unticking Check4 leaves Check3") << Box::Check4 << false << true << false;
    QTest::newRow("ticking Check3 leaves Check4") << Box::Check3 << true << true << false;
    QTest::newRow("unticking Check7 unticks Check6") << Box::Check7 << false << false << false;
    QTest::newRow("ticking Check6 ticks Check7") << Box::Check6 << true << true << true;
}

void tst_ArticleOptions::englishBoxesGoTogether()
{
    QFETCH(Box, box);
    QFETCH(bool, ticked);
    QFETCH(bool, hints);
    QFETCH(bool, readAloud);

    Settings settings;
    settings.EWordCue = ticked ? 0 : 1;
    settings.EAutoRecite = ticked ? 0 : 1;
    const bool abreast = box == Box::Check7 || box == Box::Check6;
    ArticleOptions options(settings);
    options.open(Language::English, abreast);
    QSignalSpy changes(&options, &ArticleOptions::tickedChanged);

    options.setTicked(box, ticked);
    QCOMPARE(options.ticked(abreast ? Box::Check7 : Box::Check3), hints);
    QCOMPARE(options.ticked(abreast ? Box::Check6 : Box::Check4), readAloud);
    QCOMPARE(settings.EWordCue, qint16(hints ? 1 : 0));
    QCOMPARE(settings.EAutoRecite, qint16(readAloud ? 1 : 0));
    QVERIFY(!changes.isEmpty());
}

void tst_ArticleOptions::chineseCodeHintPicksTheKeyboard_data()
{
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<Box>("box");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QList<bool>>("keyboards"); // keyboardWanted: Wubi or not

    QTest::newRow("Wubi code hint on") << "五笔" << Box::Check4 << true << QList<bool> { true };
    QTest::newRow("Wubi code hint off") << "五笔" << Box::Check4 << false << QList<bool> { false };
    QTest::newRow("pinyin code hint on") << "拼音" << Box::Check4 << true << QList<bool> { false };
    QTest::newRow("abreast code hint leaves the keyboards") << "五笔" << Box::Check6 << true << QList<bool> {};
    QTest::newRow("smart word choice leaves the keyboards") << "五笔" << Box::Check3 << true << QList<bool> {};
}

void tst_ArticleOptions::chineseCodeHintPicksTheKeyboard()
{
    QFETCH(QString, inputMeans);
    QFETCH(Box, box);
    QFETCH(bool, ticked);
    QFETCH(QList<bool>, keyboards);

    Settings settings;
    settings.InputMeans = inputMeans;
    ArticleOptions options(settings);
    options.open(Language::Chinese, box == Box::Check6);
    QSignalSpy wanted(&options, &ArticleOptions::keyboardWanted);
    options.setTicked(box, ticked);
    QList<bool> seen;
    for (const QList<QVariant> &call : wanted)
        seen.append(call.at(0).toBool());
    QCOMPARE(seen, keyboards);
    QCOMPARE(settings.CAWordCue, qint16(box != Box::Check3 && ticked ? 1 : 0));
}

void tst_ArticleOptions::hintsLoadWhatTheyNeed()
{
    Settings settings;
    ArticleOptions options(settings);
    QSignalSpy codeTable(&options, &ArticleOptions::codeTableWanted);
    QSignalSpy meanings(&options, &ArticleOptions::meaningListWanted);

    options.open(Language::Chinese, false);
    QCOMPARE(codeTable.count(), 1);
    QCOMPARE(meanings.count(), 0);
    options.open(Language::English, false);
    QCOMPARE(meanings.count(), 1);
    options.setTicked(Box::Check3, true);
    QCOMPARE(meanings.count(), 2);
    QCOMPARE(codeTable.count(), 1);
}

QTEST_GUILESS_MAIN(tst_ArticleOptions)
#include "tst_articleoptions.moc"
