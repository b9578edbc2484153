// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "DrillHarness.h"
#include "DrillSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTextEdit>

using Id = DrillEntry::Id;

namespace {

const QString noData = QStringLiteral("当前文件中无练习数据！是否删除这个文件？");
const QString noFiles = QStringLiteral("当前文件夹中无练习文件！");

} // namespace

class tst_DrillEntries : public QObject
{
    Q_OBJECT

private slots:
    void setUp_data();
    void setUp();
    void analysisOnlyWithWubi();
    void emptyListYesDeletesIt();
    void emptyListNoLoadsTheFirst();
    void emptyFirstListNoStops();
    void emptyPool();
    void lastPoolDeleted();
    void unreadablePool();
    void emptyNumberFile();
    void emptyFolder();
    void speechFailureTicksOptionsOff();
};

void tst_DrillEntries::setUp_data()
{
    QTest::addColumn<Id>("entry");
    QTest::addColumn<QString>("shown");  // frames, controls and the keyboard shown, in this order
    QTest::addColumn<QString>("option"); // the entry's option box and its caption
    QTest::addColumn<QString>("focus");

    QTest::newRow("letters") << Id::Letters << "Frame4 Text1 LUMOJP1" << "Check1 自动朗读" << "Text1";
    QTest::newRow("words") << Id::Words << "Frame5 Frame6 KorvelButton4 Text2 LUMOJP1" << "Check2 自动朗读" << "Text2";
    QTest::newRow("characters") << Id::Characters << "Frame4 Text1 lumo_wbjp1" << "Check1 五笔提示" << "Text1";
    QTest::newRow("phrases") << Id::Phrases << "Frame5 Frame6 Text2 lumo_wbjp1" << "Check2 五笔提示" << "Text2";
    QTest::newRow("number words") << Id::NumberWords << "Frame5 KorvelButton4 Check5 Text2 LUMOJP1" << "Check5 自动朗读" << "Text2";
    QTest::newRow("number characters") << Id::NumberCharacters << "Check5 Text1 lumo_wbjp1" << "Check5 五笔提示" << "Text1";
    QTest::newRow("digits") << Id::Digits << "Text1 LUMOJP1" << "" << "Text1";
}

void tst_DrillEntries::setUp()
{
    QFETCH(Id, entry);
    QFETCH(QString, shown);
    QFETCH(QString, option);
    QFETCH(QString, focus);

    Settings settings = drillSettings();
    settings.Eword = QStringLiteral("animals.txt");
    settings.Cword = QStringLiteral("三字.txt");
    settings.Phrase = QStringLiteral("二字词组.txt");
    DrillHarness drill(settings);
    // Every entry replaces the one before, so start from another drill.
    drill.open(entry == Id::Words ? Id::Digits : Id::Words);
    drill.open(entry);

    QStringList visible;
    for (const char *name : { "Frame4", "Frame5", "Frame6", "KorvelButton4", "Check5", "Text1", "Text2", "LUMOJP1", "lumo_wbjp1" }) {
        auto *widget = drill.window.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(widget, name);
        if (widget->isVisible())
            visible << QLatin1String(name);
    }
    QCOMPARE(visible.join(u' '), shown);
    if (!option.isEmpty()) {
        auto *box = drill.window.findChild<QCheckBox *>(option.section(u' ', 0, 0));
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), option.section(u' ', 1));
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(drill.prompter.asked().size(), 0);
    QVERIFY(!drill.window.findChild<QLabel *>(QStringLiteral("Label4"))->isVisible());
}

void tst_DrillEntries::analysisOnlyWithWubi()
{
    Settings settings = drillSettings();
    settings.CWbzgDemand = 1;
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness wubi(settings);
    wubi.open(Id::Characters);
    QCheckBox *Check8 = wubi.panel->singleKey()->Check8;
    QVERIFY(Check8->isEnabled());
    QVERIFY(Check8->isChecked());
    Check8->click();
    QCOMPARE(wubi.settings.CWbzgDemand, 0);
    wubi.open(Id::Letters);
    QVERIFY(!Check8->isEnabled());

    settings.InputMeans = QStringLiteral("拼音");
    DrillHarness pinyin(settings);
    pinyin.open(Id::Phrases);
    QVERIFY(!pinyin.panel->word()->Check9->isEnabled());
    QCOMPARE(pinyin.panel->word()->Check2->text(), "拼音提示");
    QCOMPARE(pinyin.panel->word()->RichTextBox1->toPlainText(), "中国");
}

void tst_DrillEntries::emptyListYesDeletesIt()
{
    Settings settings = drillSettings();
    settings.Eword = QStringLiteral("empty.txt");
    DrillHarness drill(settings);
    drill.prompter.answerNext(Prompter::Answer::Yes);
    drill.open(Id::Words);

    QCOMPARE(drill.prompter.texts(), QStringList { noData });
    QCOMPARE(drill.prompter.asked().first().title, "提示");
    QCOMPARE(drill.prompter.asked().first().icon, Prompter::Icon::Question);
    QCOMPARE(drill.prompter.asked().first().buttons, Prompter::Buttons::YesNo);
    QVERIFY(!QFile::exists(drill.program.file(QStringLiteral("English/word/empty.txt"))));
    QComboBox *Combo1 = drill.panel->word()->Combo1;
    QCOMPARE(Combo1->findText(QStringLiteral("empty")), -1);
    QCOMPARE(Combo1->currentIndex(), 0);
    QCOMPARE(drill.panel->word()->RichTextBox1->toPlainText(), "cat");
    QCOMPARE(drill.settings.Eword, "animals.txt");
}

void tst_DrillEntries::emptyListNoLoadsTheFirst()
{
    Settings settings = drillSettings();
    settings.Eword = QStringLiteral("blank lines.txt");
    DrillHarness drill(settings);
    drill.prompter.answerNext(Prompter::Answer::No);
    drill.open(Id::Words);

    QCOMPARE(drill.prompter.texts(), QStringList { noData });
    QVERIFY(QFile::exists(drill.program.file(QStringLiteral("English/word/blank lines.txt"))));
    QCOMPARE(drill.panel->word()->Combo1->currentText(), "animals");
    QCOMPARE(drill.panel->word()->RichTextBox1->toPlainText(), "cat");
}

void tst_DrillEntries::emptyFirstListNoStops()
{
    Settings settings = drillSettings();
    DrillHarness drill(settings);
    // Only empty lists: answering No must not bring the question back for ever.
    QDir(drill.program.file(QStringLiteral("English/word"))).removeRecursively();
    drill.program.write(QStringLiteral("English/word/a.txt"), QByteArray());
    drill.program.write(QStringLiteral("English/word/b.txt"), QByteArray("\r\n"));
    drill.settings.Eword = QStringLiteral("b.txt");
    drill.prompter.answerNext(Prompter::Answer::No);
    drill.prompter.answerNext(Prompter::Answer::No);
    drill.open(Id::Words);

    QCOMPARE(drill.prompter.texts(), (QStringList { noData, noData }));
    WordDrill *words = drill.panel->word();
    QCOMPARE(words->RichTextBox1->toPlainText(), QString());
    drill.type(QStringLiteral("ab\r"));
    QCOMPARE(drill.counts(), (DrillCounts { 3, 0, 0 }));
    QCOMPARE(drill.prompter.texts().size(), 2);
}

void tst_DrillEntries::emptyPool()
{
    Settings settings = drillSettings();
    settings.Cword = QStringLiteral("空.txt");
    DrillHarness drill(settings);
    drill.prompter.answerNext(Prompter::Answer::No);
    drill.open(Id::Characters);

    QCOMPARE(drill.prompter.texts(), QStringList { noData });
    QCOMPARE(drill.panel->singleKey()->Combo2->currentText(), "一字");
    QCOMPARE(drill.panel->singleKey()->Label2->text(), "中");
    QCOMPARE(drill.settings.Cword, "一字.txt");
}

void tst_DrillEntries::lastPoolDeleted()
{
    Settings settings = drillSettings();
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness drill(settings);
    drill.open(Id::Characters);
    QCOMPARE(drill.panel->singleKey()->Label2->text(), "天");

    QDir(drill.program.file(QStringLiteral("chinese/五笔/word"))).removeRecursively();
    drill.program.write(QStringLiteral("chinese/五笔/word/空.txt"), QByteArray());
    drill.prompter.answerNext(Prompter::Answer::Yes);
    drill.open(Id::Characters);
    QCOMPARE(drill.prompter.texts(), QStringList { noData });
    QCOMPARE(drill.panel->singleKey()->Combo2->count(), 0);
    QCOMPARE(drill.panel->singleKey()->Label2->text(), QString());
}

void tst_DrillEntries::unreadablePool()
{
    Settings settings = drillSettings();
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness drill(settings);
    drill.open(Id::Characters);
    // The pool goes away after the chooser listed it.
    QVERIFY(QFile::remove(drill.program.file(QStringLiteral("chinese/五笔/word/一字.txt"))));
    QComboBox *Combo2 = drill.panel->singleKey()->Combo2;
    Combo2->setCurrentIndex(Combo2->findText(QStringLiteral("一字")));
    emit Combo2->activated(Combo2->currentIndex());

    QCOMPARE(drill.prompter.texts(), QStringList { "无法读取当前练习文件！" });
    QCOMPARE(drill.panel->singleKey()->Label2->text(), QString());
    drill.type(QStringLiteral("中"));
    QCOMPARE(drill.counts(), (DrillCounts { 1, 0, 0 }));
}

void tst_DrillEntries::emptyNumberFile()
{
    DrillHarness drill(drillSettings());
    drill.program.write(QStringLiteral("English/number.txt"), QByteArray());
    drill.prompter.answerNext(Prompter::Answer::Yes);
    drill.open(Id::NumberWords);

    QCOMPARE(drill.prompter.texts(), QStringList { noData });
    QVERIFY(!QFile::exists(drill.program.file(QStringLiteral("English/number.txt"))));
    QCOMPARE(drill.panel->word()->RichTextBox1->toPlainText(), QString());
    QCOMPARE(drill.panel->word()->Combo1->count(), 0);
}

void tst_DrillEntries::emptyFolder()
{
    DrillHarness drill(drillSettings());
    QDir(drill.program.file(QStringLiteral("chinese/五笔/word"))).removeRecursively();
    drill.open(Id::Characters);

    QCOMPARE(drill.prompter.texts(), QStringList { noFiles });
    QCOMPARE(drill.prompter.asked().first().icon, Prompter::Icon::Information);
    QCOMPARE(drill.panel->singleKey()->Combo2->count(), 0);
    QCOMPARE(drill.panel->singleKey()->Label2->text(), QString());
    drill.type(QStringLiteral("a"));
    QCOMPARE(drill.counts(), (DrillCounts { 1, 0, 0 }));
    QCOMPARE(drill.sounds(), QStringList());
}

void tst_DrillEntries::speechFailureTicksOptionsOff()
{
    Settings settings = drillSettings();
    settings.EWordRecite = 1;
    DrillHarness drill(settings, false);
    drill.prompter.answerNext(Prompter::Answer::No);
    drill.random.append(0.0);
    drill.open(Id::Letters);

    QCOMPARE(drill.prompter.asked().size(), 1);
    QCOMPARE(drill.prompter.asked().first().title, "系统提示");
    QVERIFY(!drill.panel->singleKey()->Check1->isChecked());
    QCOMPARE(drill.settings.EWordRecite, 0);
    // With the option off, the next letters ask nothing.
    drill.type(QStringLiteral("a"));
    QCOMPARE(drill.prompter.asked().size(), 1);
}

QTEST_MAIN(tst_DrillEntries)
#include "tst_drillentries.moc"
