// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "DrillHarness.h"
#include "DrillSettings.h"

#include "widgets/RadicalAnalysisStrip.h"

#include <QCheckBox>
#include <QLabel>
#include <QTextEdit>

using Id = DrillEntry::Id;

// The Wubi aids of the drills: the code hint, the radical analysis strip and
// the dots of the radical keyboard follow each new target; with another
// input method they stay out of the way.
class tst_WubiAids : public QObject
{
    Q_OBJECT

private slots:
    void characterDrill_data();
    void characterDrill();
    void hintKeyMarksTheKeys();
    void phraseDrill();
    void keyboardSwap();
};

void tst_WubiAids::characterDrill_data()
{
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("wubi");

    QTest::newRow("Wubi") << "五笔" << "五笔编码：gd" << true;
    QTest::newRow("pinyin") << "拼音" << "拼音编码：tian" << false;
}

void tst_WubiAids::characterDrill()
{
    QFETCH(QString, inputMeans);
    QFETCH(QString, hint);
    QFETCH(bool, wubi);

    Settings settings = drillSettings();
    settings.InputMeans = inputMeans;
    settings.CWordCue = 1;
    settings.CWbzgDemand = 1;
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness drill(settings);
    drill.random.append({ 0.0, 0.5 });
    drill.open(Id::Characters);
    SingleKeyDrill *single = drill.panel->singleKey();
    QCOMPARE(single->Label2->text(), "天");
    QCOMPARE(single->Label4->text(), hint);
    QVERIFY(single->Label4->isVisible());
    QCOMPARE(single->Check8->isEnabled(), wubi);
    QCOMPARE(single->Wbzg2->isVisible(), wubi);
    QCOMPARE(drill.lumo_wbjp1->isVisible(), wubi);
    QCOMPARE(drill.LUMOJP1->isVisible(), !wubi);
    if (!wubi) {
        QCOMPARE(drill.lumo_wbjp1->marks().description(), "未标出字根键");
        return;
    }
    QCOMPARE(single->Wbzg2->accessibleDescription(), "该字为二级简码！ 字根：一 大");
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "1 G 2 D");

    drill.type(QStringLiteral("天"));
    QCOMPARE(single->Label2->text(), "地");
    QCOMPARE(single->Label4->text(), "五笔编码：fb");
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "1 F 2 B");
    QCOMPARE(single->Wbzg2->message(), "该字为一级简码！");

    single->Check8->click();
    QVERIFY(!single->Wbzg2->isVisible());
    QCOMPARE(drill.settings.CWbzgDemand, 0);
    single->Check1->click();
    QVERIFY(!single->Label4->isVisible());
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "未标出字根键");
    QCOMPARE(drill.settings.CWordCue, 0);
}

void tst_WubiAids::hintKeyMarksTheKeys()
{
    Settings settings = drillSettings();
    settings.Cword = QStringLiteral("三字.txt");
    DrillHarness drill(settings);
    drill.random.append(0.0);
    drill.open(Id::Characters);
    SingleKeyDrill *single = drill.panel->singleKey();
    QVERIFY(!single->Label4->isVisible());
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "未标出字根键");

    QTest::keyClick(single->Text1, Qt::Key_F2);
    QVERIFY(single->Label4->isVisible());
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "1 G 2 D");
}

void tst_WubiAids::phraseDrill()
{
    Settings settings = drillSettings();
    settings.CWordCue = 1;
    settings.CWbzgDemand = 1;
    settings.Phrase = QStringLiteral("二字词组.txt");
    DrillHarness drill(settings);
    drill.random.append(0.0);
    drill.open(Id::Phrases);
    WordDrill *word = drill.panel->word();
    QCOMPARE(word->RichTextBox1->toPlainText(), "中国");
    QCOMPARE(word->Label3->text(), "五笔编码：khlg");
    QVERIFY(word->Wbzg1->isVisible());
    QCOMPARE(word->Wbzg1->accessibleDescription(), "二字词组！ 字根：口 丨 囗 王");
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "1 K 2 H 3 L 4 G");

    word->Check2->click();
    QVERIFY(!word->Label3->isVisible());
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "未标出字根键");
    QTest::keyClick(word->Text2, Qt::Key_F2);
    QVERIFY(word->Label3->isVisible());
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "1 K 2 H 3 L 4 G");
}

// Clicking the on-screen keyboard brings the radical keyboard; clicking that
// brings the on-screen keyboard back, its marker hidden until the next key.
void tst_WubiAids::keyboardSwap()
{
    DrillHarness drill(drillSettings());
    drill.random.append({ 0.0, 0.5 });
    drill.open(Id::Letters);
    QVERIFY(drill.LUMOJP1->isVisible());
    QCOMPARE(drill.LUMOJP1->accessibleDescription().left(6), "下一个键：A");

    QTest::mouseClick(drill.LUMOJP1, Qt::LeftButton);
    QVERIFY(drill.lumo_wbjp1->isVisible());
    QVERIFY(!drill.LUMOJP1->isVisible());
    drill.lumo_wbjp1->load_wbm(QStringLiteral("aaaa"));
    QTest::mouseClick(drill.lumo_wbjp1, Qt::LeftButton);
    QVERIFY(drill.LUMOJP1->isVisible());
    QVERIFY(!drill.lumo_wbjp1->isVisible());
    QCOMPARE(drill.LUMOJP1->accessibleDescription(), "未标出下一个键");
    QCOMPARE(drill.lumo_wbjp1->accessibleDescription(), "未标出字根键");

    drill.type(QStringLiteral("a"));
    QCOMPARE(drill.LUMOJP1->accessibleDescription().left(6), "下一个键：N");
}

QTEST_MAIN(tst_WubiAids)
#include "tst_wubiaids.moc"
