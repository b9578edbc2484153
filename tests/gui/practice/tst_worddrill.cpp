// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "DrillHarness.h"
#include "DrillSettings.h"

#include "widgets/KorvelButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>

using Id = DrillEntry::Id;

namespace {

// The colour of each character of the target word: "b" black, "+" the right
// colour (blue), "-" the wrong colour (red).
QString colours(const QTextEdit *word)
{
    QString result;
    const QTextDocument *document = word->document();
    for (int position = 0; position < document->characterCount() - 1; ++position) {
        QTextCursor cursor(const_cast<QTextDocument *>(document));
        cursor.setPosition(position + 1);
        const QColor colour = cursor.charFormat().foreground().color();
        result += colour == QColor(0, 0, 255) ? u'+' : colour == QColor(255, 0, 0) ? u'-' : u'b';
    }
    return result;
}

} // namespace

class tst_WordDrill : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void colours_data();
    void colours();
    void phraseCodeHint();
    void wordListChooser();
    void readAloud();
    void keysWhileTheFaceShows();
};

void tst_WordDrill::typing_data()
{
    QTest::addColumn<Id>("entry");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<DrillCounts>("counts");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<QString>("next");

    const QString R = "type.wav", W = "cw.WAV", D = "enter.wav";
    // animals.txt holds cat, dog and bird; number.txt one and two.
    QTest::newRow("c x Backspace a t") << Id::Words << QList<double> { 0.0, 0.4 } << "cat" << "词意：猫"
                                       << "cx\bat" << DrillCounts { 3, 3, 0 } << QStringList { R, W, W, R, R, D } << "dog";
    QTest::newRow("Enter before the end does not skip") << Id::Words << QList<double> { 0.0 } << "cat" << "词意：猫"
                                                        << "ca\r" << DrillCounts { 3, 2, 0 } << QStringList { R, R } << "cat";
    QTest::newRow("Tab only counts") << Id::Words << QList<double> { 0.0 } << "cat" << "词意：猫"
                                     << "\t" << DrillCounts { 1, 0, 0 } << QStringList {} << "cat";
    QTest::newRow("Backspace in the empty box") << Id::Words << QList<double> { 0.0 } << "cat" << "词意：猫"
                                                << "\b" << DrillCounts { 0, 0, 0 } << QStringList {} << "cat";
    QTest::newRow("wrong last key still finishes") << Id::Words << QList<double> { 0.0, 0.4 } << "cat" << "词意：猫"
                                                   << "cax" << DrillCounts { 3, 2, 1 } << QStringList { R, R, W, D } << "dog";
    QTest::newRow("phrase from the input method") << Id::Phrases << QList<double> { 0.0, 0.6 } << "中国" << "五笔编码：khlg"
                                                  << "中国" << DrillCounts { 2, 2, 0 } << QStringList { R, R, D } << "工人";
    QTest::newRow("number words") << Id::NumberWords << QList<double> { 0.0, 0.9 } << "one" << "词意：一"
                                  << "one" << DrillCounts { 3, 3, 0 } << QStringList { R, R, R, D } << "two";
}

void tst_WordDrill::typing()
{
    QFETCH(Id, entry);
    QFETCH(QList<double>, draws);
    QFETCH(QString, word);
    QFETCH(QString, hint);
    QFETCH(QString, keys);
    QFETCH(DrillCounts, counts);
    QFETCH(QStringList, sounds);
    QFETCH(QString, next);

    Settings settings = drillSettings();
    settings.CWordCue = 1;
    settings.Eword = QStringLiteral("animals.txt");
    settings.Phrase = QStringLiteral("二字词组.txt");
    DrillHarness drill(settings);
    for (const double draw : draws)
        drill.random.append(draw);
    drill.open(entry);
    WordDrill *words = drill.panel->word();
    QCOMPARE(words->RichTextBox1->toPlainText(), word);
    QCOMPARE(words->Label3->text(), hint);
    QVERIFY(words->Label3->isVisible());
    QVERIFY(words->Text2->hasFocus());

    drill.type(keys);
    QCOMPARE(drill.counts(), counts);
    QCOMPARE(drill.sounds(), sounds);
    QCOMPARE(words->RichTextBox1->toPlainText(), next);
}

void tst_WordDrill::colours_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("colours");

    QTest::newRow("new word is black") << "" << "bbb";
    QTest::newRow("right then wrong") << "cx" << "+-b";
    QTest::newRow("Backspace keeps the colour") << "cx\b" << "+-b";
    QTest::newRow("typed again, coloured anew") << "cx\ba" << "++b";
}

void tst_WordDrill::colours()
{
    QFETCH(QString, keys);
    QFETCH(QString, colours);

    Settings settings = drillSettings();
    settings.Eword = QStringLiteral("animals.txt");
    DrillHarness drill(settings);
    drill.random.append(0.0);
    drill.open(Id::Words);
    drill.type(keys);
    QCOMPARE(::colours(drill.panel->word()->RichTextBox1), colours);
}

void tst_WordDrill::phraseCodeHint()
{
    Settings settings = drillSettings();
    settings.Phrase = QStringLiteral("二字词组.txt");
    DrillHarness drill(settings);
    drill.open(Id::Phrases);
    WordDrill *words = drill.panel->word();
    QCOMPARE(words->Check2->text(), "五笔提示");
    QVERIFY(!words->Label3->isVisible());

    QTest::keyClick(words->Text2, Qt::Key_F2);
    QVERIFY(words->Label3->isVisible());
    QCOMPARE(words->Label3->text(), "五笔编码：khlg");

    words->Check2->click();
    QCOMPARE(drill.settings.CWordCue, 1);
    words->Check2->click();
    QVERIFY(!words->Label3->isVisible());
    QCOMPARE(drill.settings.CWordCue, 0);
}

void tst_WordDrill::wordListChooser()
{
    Settings settings = drillSettings();
    settings.Eword = QStringLiteral("Basic.txt");
    DrillHarness drill(settings);
    drill.open(Id::Words);
    WordDrill *words = drill.panel->word();
    QCOMPARE(words->Combo1->currentText(), "Basic");
    QCOMPARE(words->RichTextBox1->toPlainText(), "apple");

    words->Combo1->setCurrentIndex(0);
    emit words->Combo1->activated(0);
    QCOMPARE(words->RichTextBox1->toPlainText(), "cat");
    QCOMPARE(drill.settings.Eword, "animals.txt");
    QVERIFY(words->Text2->hasFocus());
}

void tst_WordDrill::readAloud()
{
    Settings settings = drillSettings();
    settings.EWordRecite = 1;
    settings.Eword = QStringLiteral("Basic.txt");
    DrillHarness drill(settings);
    drill.open(Id::Words);
    WordDrill *words = drill.panel->word();
    QVERIFY(words->Check2->isChecked());
    QCOMPARE(drill.engine.texts(), QStringList { "apple" });

    // The button and the read-aloud key speak the word again.
    words->KorvelButton4->click();
    QTest::keyClick(words->Text2, Qt::Key_F3);
    QCOMPARE(drill.engine.texts(), (QStringList { "apple", "apple", "apple" }));
    // Any key lets the next word be spoken, even the same one again.
    drill.type(QStringLiteral("apple"));
    QCOMPARE(drill.engine.texts().size(), 4);
}

void tst_WordDrill::keysWhileTheFaceShows()
{
    Settings settings = drillSettings();
    settings.EWordRecite = 1;
    settings.Eword = QStringLiteral("animals.txt");
    DrillHarness drill(settings);
    drill.random.append({ 0.0, 0.4 });
    drill.open(Id::Words);
    // The first letter of "dog" is typed while the face of the spoken word shows.
    drill.duringFace = [&drill] { drill.type(QStringLiteral("d")); };
    drill.type(QStringLiteral("cat"));
    QCOMPARE(drill.counts(), (DrillCounts { 4, 4, 0 }));
    QCOMPARE(drill.panel->word()->RichTextBox1->toPlainText(), "dog");
    QCOMPARE(drill.panel->word()->Text2->text(), "d");
    QCOMPARE(::colours(drill.panel->word()->RichTextBox1), "+bb");
}

QTEST_MAIN(tst_WordDrill)
#include "tst_worddrill.moc"
