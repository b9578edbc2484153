// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "DrillHarness.h"
#include "DrillSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using Id = DrillEntry::Id;

class tst_SingleKeyDrill : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void letterChooser();
    void codeHintFollowsTheCharacter();
    void hintKeyShowsTheCode();
    void readAloudKey();
    void autoReadSpeaksEachLetter();
    void noKeySoundsWhenSwitchedOff();
    void keysWhileTheFaceShows();
};

void tst_SingleKeyDrill::typing_data()
{
    QTest::addColumn<Id>("entry");
    QTest::addColumn<int>("letter");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<DrillCounts>("counts");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<QString>("next");

    const QString right = "type.wav", wrong = "cw.WAV";
    QTest::newRow("lower-case letter right") << Id::Letters << 0 << QList<double> { 0.0, 0.5 } << "a"
                                             << "a" << DrillCounts { 1, 1, 0 } << QStringList { right } << "n";
    QTest::newRow("a is wrong for A") << Id::Letters << 1 << QList<double> { 0.0, 0.5 } << "A"
                                      << "a" << DrillCounts { 1, 0, 1 } << QStringList { wrong } << "A";
    QTest::newRow("wrong, then right") << Id::Letters << 1 << QList<double> { 0.0, 0.5 } << "A"
                                       << "aA" << DrillCounts { 2, 1, 1 } << QStringList { wrong, right } << "N";
    QTest::newRow("mixed letters draw a bracket") << Id::Letters << 2 << QList<double> { 26.5 / 62, 0.0 } << "["
                                                  << "[" << DrillCounts { 1, 1, 0 } << QStringList { right } << "A";
    QTest::newRow("Backspace counts nothing") << Id::Letters << 0 << QList<double> { 0.0 } << "a"
                                              << "\b" << DrillCounts { 0, 0, 0 } << QStringList { wrong } << "a";
    QTest::newRow("character from the input method") << Id::Characters << 0 << QList<double> { 0.0, 0.5 } << "天"
                                                     << "天" << DrillCounts { 1, 1, 0 } << QStringList { right } << "地";
    QTest::newRow("Latin letter in the character drill") << Id::Characters << 0 << QList<double> { 0.0 } << "天"
                                                         << "t" << DrillCounts { 1, 0, 1 } << QStringList { wrong } << "天";
    QTest::newRow("number characters") << Id::NumberCharacters << 0 << QList<double> { 0.9, 0.0 } << "三"
                                       << "三" << DrillCounts { 1, 1, 0 } << QStringList { right } << "一";
    QTest::newRow("digits") << Id::Digits << 0 << QList<double> { 0.0, 0.95 } << "0"
                            << "0" << DrillCounts { 1, 1, 0 } << QStringList { right } << "9";
    QTest::newRow("Enter is a wrong key") << Id::Digits << 0 << QList<double> { 0.0 } << "0"
                                          << "\r" << DrillCounts { 1, 0, 1 } << QStringList { wrong } << "0";
}

void tst_SingleKeyDrill::typing()
{
    QFETCH(Id, entry);
    QFETCH(int, letter);
    QFETCH(QList<double>, draws);
    QFETCH(QString, target);
    QFETCH(QString, keys);
    QFETCH(DrillCounts, counts);
    QFETCH(QStringList, sounds);
    QFETCH(QString, next);

    Settings settings = drillSettings();
    settings.Letter = qint16(letter);
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness drill(settings);
    for (const double draw : draws)
        drill.random.append(draw);
    drill.open(entry);
    SingleKeyDrill *single = drill.panel->singleKey();
    QCOMPARE(single->Label2->text(), target);
    QVERIFY(single->Text1->hasFocus());
    QVERIFY(!drill.exercise.isClockRunning());

    drill.type(keys);
    QCOMPARE(drill.counts(), counts);
    QCOMPARE(drill.sounds(), sounds);
    QCOMPARE(single->Label2->text(), next);
    QCOMPARE(single->Text1->text(), QString());
    QVERIFY(drill.exercise.isClockRunning());
}

void tst_SingleKeyDrill::letterChooser()
{
    Settings settings = drillSettings();
    settings.Letter = 1;
    DrillHarness drill(settings);
    drill.random.append({ 0.0, 0.0 });
    drill.open(Id::Letters);
    SingleKeyDrill *single = drill.panel->singleKey();
    QCOMPARE(single->Combo2->count(), 3);
    QCOMPARE(single->Combo2->currentText(), "大写字母练习");
    QCOMPARE(single->Label2->text(), "A");
    QVERIFY(drill.LUMOJP1->accessibleDescription().contains(u'A'));

    single->Combo2->setCurrentIndex(0);
    emit single->Combo2->activated(0);
    QCOMPARE(single->Label2->text(), "a");
    QCOMPARE(drill.settings.Letter, 0);
}

void tst_SingleKeyDrill::codeHintFollowsTheCharacter()
{
    Settings settings = drillSettings();
    settings.CWordCue = 1;
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness drill(settings);
    drill.random.append({ 0.0, 0.5 });
    drill.open(Id::Characters);
    SingleKeyDrill *single = drill.panel->singleKey();
    QCOMPARE(single->Check1->text(), "五笔提示");
    QVERIFY(single->Check1->isChecked());
    QVERIFY(single->Label4->isVisible());
    QCOMPARE(single->Label4->text(), "五笔编码：gd");

    drill.type(QStringLiteral("天"));
    QCOMPARE(single->Label2->text(), "地");
    QCOMPARE(single->Label4->text(), "五笔编码：fb");

    single->Check1->click();
    QVERIFY(!single->Label4->isVisible());
    QCOMPARE(drill.settings.CWordCue, 0);
    QVERIFY(single->Text1->hasFocus());
}

void tst_SingleKeyDrill::hintKeyShowsTheCode()
{
    Settings settings = drillSettings();
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness drill(settings);
    drill.random.append(0.9);
    drill.open(Id::Characters);
    SingleKeyDrill *single = drill.panel->singleKey();
    QCOMPARE(single->Label2->text(), "人");
    QVERIFY(!single->Label4->isVisible());

    QTest::keyClick(single->Text1, Qt::Key_F2);
    QVERIFY(single->Label4->isVisible());
    QCOMPARE(single->Label4->text(), "五笔编码：w");
    QCOMPARE(drill.counts(), DrillCounts {});
}

void tst_SingleKeyDrill::readAloudKey()
{
    DrillHarness drill(drillSettings());
    drill.random.append(0.0);
    drill.open(Id::Letters);
    QVERIFY(drill.engine.texts().isEmpty());

    SingleKeyDrill *single = drill.panel->singleKey();
    QTest::keyClick(single->Text1, Qt::Key_F3);
    QTest::keyClick(single->Text1, Qt::Key_F3);
    // The letter spoken last is not spoken again.
    QCOMPARE(drill.engine.texts(), QStringList { "a" });
    QCOMPARE(drill.faces, 2);
    QCOMPARE(drill.counts(), DrillCounts {});
}

void tst_SingleKeyDrill::autoReadSpeaksEachLetter()
{
    Settings settings = drillSettings();
    settings.EWordRecite = 1;
    DrillHarness drill(settings);
    drill.random.append({ 0.0, 0.5 });
    drill.open(Id::Letters);
    QVERIFY(drill.panel->singleKey()->Check1->isChecked());
    QCOMPARE(drill.panel->singleKey()->Check1->text(), "自动朗读");
    drill.type(QStringLiteral("a"));
    QCOMPARE(drill.engine.texts(), (QStringList { "a", "n" }));

    drill.panel->singleKey()->Check1->click();
    QCOMPARE(drill.settings.EWordRecite, 0);
    drill.type(QStringLiteral("n"));
    QCOMPARE(drill.engine.texts().size(), 2);
}

void tst_SingleKeyDrill::noKeySoundsWhenSwitchedOff()
{
    Settings settings = drillSettings();
    settings.CueMusic = 0;
    DrillHarness drill(settings);
    drill.random.append(0.0);
    drill.open(Id::Letters);
    drill.type(QStringLiteral("ba\b"));
    QCOMPARE(drill.counts(), (DrillCounts { 2, 1, 1 }));
    QCOMPARE(drill.sounds(), QStringList());
}

void tst_SingleKeyDrill::keysWhileTheFaceShows()
{
    Settings settings = drillSettings();
    settings.EWordRecite = 1;
    DrillHarness drill(settings);
    drill.random.append({ 0.0, 0.5, 0.0 });
    drill.open(Id::Letters);
    // The next letter is typed while the face of the spoken "n" shows.
    drill.duringFace = [&drill] { drill.type(QStringLiteral("n")); };
    drill.type(QStringLiteral("a"));
    QCOMPARE(drill.counts(), (DrillCounts { 2, 2, 0 }));
    QCOMPARE(drill.panel->singleKey()->Label2->text(), "a");
}

QTEST_MAIN(tst_SingleKeyDrill)
#include "tst_singlekeydrill.moc"
