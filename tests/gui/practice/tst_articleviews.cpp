// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "DrillSettings.h"

#include "core/app/ShellState.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/WindowsColor.h"
#include "core/practice/MeaningList.h"
#include "core/wubi/CodeTable.h"
#include "gui/practice/ArticleOptionBoxes.h"
#include "gui/practice/ArticleViews.h"
#include "gui/practice/PracticePanel.h"
#include "gui/practice/StatisticsBar.h"
#include "widgets/InputBox.h"
#include "widgets/OnScreenKeyboard.h"
#include "widgets/WubiKeyboard.h"

#include <QAccessible>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <memory>

using Counter = Exercise::Counter;

namespace {

const QString material = QStringLiteral(QINTARA_TEST_DATA_DIR "/material/program");
const QString meaningLists = QStringLiteral(QINTARA_TEST_DATA_DIR "/practice/meanings/program");

// Nine lines of the abreast view: eight of 23 characters, then five.
const QStringList nineLines{QString(23, u'一'), QString(23, u'二'), QString(23, u'三'), QString(23, u'四'),
                            QString(23, u'五'), QString(23, u'六'), QString(23, u'七'), QString(23, u'八'),
                            QString(5, u'九')};

} // namespace

// The two article views on the practice panel, typed by key clicks (English)
// and input-method commits (Chinese) into the real boxes.
class tst_ArticleViews : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedToTheEnd_data();
    void typedToTheEnd();
    void colours_data();
    void colours();
    void abreastPages();
    void commitPastTheEndOfALine();
    void switchingViews_data();
    void switchingViews();
    void chineseCodeHints_data();
    void chineseCodeHints();
    void englishHintsSpeechAndKeyMarks_data();
    void englishHintsSpeechAndKeyMarks();
    void optionBoxesFollowTheSettingsOnFocus();
    void inputIsAppended_data();
    void inputIsAppended();

private:
    // The practised text opened in the view of the Window setting, as the
    // article entries do it: Cleanup, then preliminary.
    void open(const QString &text, Language language, int window);
    // The views switched as the view buttons do it: the input count becomes
    // the earlier count, and the article reopens.
    void switchTo(int window, Language language);
    // Types into the box with the focus: ASCII as key clicks ("\b" Backspace),
    // any other character as a commit of its own.
    void type(const QString &keys);
    // One input-method commit of several characters.
    void commit(const QString &text);

    QList<int> counts() const
    {
        const Exercise &exercise = m_panel->exercise();
        return {exercise.count(Counter::Input), exercise.count(Counter::Correct), exercise.count(Counter::Wrong)};
    }
    ArticleViews &views() const { return m_panel->articleViews(); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // The colours of a source box as its character formats give them: "+"
    // right, "-" wrong, "." black.
    QString marks(const QTextEdit *box) const;
    // The characters highlighted as the next target.
    static QString highlighted(const QTextEdit *box);

    Settings m_settings;
    ShellState m_shell;
    std::unique_ptr<CodeTable> m_codeTable;
    std::unique_ptr<MeaningList> m_meanings;
    PracticePanel *m_panel = nullptr;
};

void tst_ArticleViews::init()
{
    m_settings = drillSettings();
    m_shell = {};
    m_codeTable = std::make_unique<CodeTable>(ProgramFolder(material), m_settings);
    m_meanings = std::make_unique<MeaningList>(ProgramFolder(meaningLists));
    m_meanings->LoadMeaningList();
    m_panel = new PracticePanel(m_settings, m_shell, ArticleLookup::of(*m_codeTable, *m_meanings));
    m_panel->resize(589, 419);
    m_panel->show();
    m_panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_panel));
}

void tst_ArticleViews::cleanup()
{
    delete m_panel;
    m_panel = nullptr;
}

void tst_ArticleViews::open(const QString &text, Language language, int window)
{
    m_settings.Window = qint16(window);
    m_panel->exercise().setPractisedText(text);
    m_panel->Cleanup();
    m_panel->preliminary(language);
}

void tst_ArticleViews::switchTo(int window, Language language)
{
    Exercise &exercise = m_panel->exercise();
    exercise.setEarlierCount(exercise.count(Counter::Input));
    m_settings.Window = qint16(window);
    m_panel->preliminary(language);
}

void tst_ArticleViews::type(const QString &keys)
{
    for (const QChar key : keys) {
        QWidget *box = QApplication::focusWidget();
        QVERIFY2(box, "no box has the focus");
        if (key == u'\b')
            QTest::keyClick(box, Qt::Key_Backspace);
        else if (key.unicode() < 0x80)
            QTest::keyClick(box, key.toLatin1());
        else
            commit(key);
    }
}

void tst_ArticleViews::commit(const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

QString tst_ArticleViews::marks(const QTextEdit *box) const
{
    const QColor right = WindowsColor::toQColor(m_settings.RightColor);
    const QColor wrong = WindowsColor::toQColor(m_settings.ErrorColor);
    QString marks;
    QTextCursor cursor(box->document());
    for (int position = 1; position <= box->toPlainText().size(); ++position) {
        cursor.setPosition(position); // the format of the character before
        const QColor colour = cursor.charFormat().foreground().color();
        marks += colour == right ? u'+' : colour == wrong ? u'-' : colour == Qt::black ? u'.' : u'?';
    }
    return marks;
}

QString tst_ArticleViews::highlighted(const QTextEdit *box)
{
    const QList<QTextEdit::ExtraSelection> selections = box->extraSelections();
    return selections.isEmpty() ? QString() : selections.first().cursor.selectedText();
}

void tst_ArticleViews::typedToTheEnd_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("oneCommit");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("wrongCharacters");

    const QString threeLines = QString(23, u'一') + QString(23, u'二') + "三三";
    for (const int window : {0, 1}) {
        const QByteArray view = window == 0 ? "normal: " : "abreast: ";
        QTest::newRow(view + "English keys") << window << Language::English << "ab cd" << "ab xd" << false
                                              << QList<int>{5, 4, 1} << "c";
        QTest::newRow(view + "Chinese commits") << window << Language::Chinese << "中国人天地" << "中国仁天地" << false
                                                 << QList<int>{5, 4, 1} << "人";
        QTest::newRow(view + "Chinese in one commit") << window << Language::Chinese << "中国人天地" << "中国人天地"
                                                       << true << QList<int>{5, 5, 0} << "";
        QTest::newRow(view + "three lines in one commit") << window << Language::Chinese << threeLines << threeLines
                                                           << true << QList<int>{48, 48, 0} << "";
    }
}

// The exercise ends once, at the last character, with the figures the save
// dialog takes.
void tst_ArticleViews::typedToTheEnd()
{
    QFETCH(int, window);
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(bool, oneCommit);
    QFETCH(QList<int>, counts);
    QFETCH(QString, wrongCharacters);

    QSignalSpy finished(m_panel, &PracticePanel::articleFinished);
    QSignalSpy sounds(m_panel, &PracticePanel::keySoundWanted);
    open(text, language, window);
    QCOMPARE(focused(), window == 0 ? "Text9" : "TextAbreas_1");
    if (oneCommit) {
        commit(keys);
    } else {
        type(keys.chopped(1));
        QCOMPARE(finished.count(), 0);
        QVERIFY(m_panel->Timer2().isActive());
        type(keys.right(1));
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(this->counts(), counts);
    QCOMPARE(m_panel->exercise().wrongCharacters(), wrongCharacters);
    QVERIFY(!m_panel->Timer2().isActive());
    QCOMPARE(sounds.count(), keys.size());
    QCOMPARE(m_panel->findChild<QLabel *>(QStringLiteral("Lab_zishu"))->text(), QString::number(counts[0]));
}

void tst_ArticleViews::colours_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QList<int>>("counts");

    for (const int window : {0, 1}) {
        const QByteArray view = window == 0 ? "normal: " : "abreast: ";
        QTest::newRow(view + "right, then wrong") << window << "ax" << "+-.." << "c" << QList<int>{2, 1, 1};
        QTest::newRow(view + "Backspace keeps the colour") << window << "x\b" << "-..." << "a" << QList<int>{0, 0, 0};
        QTest::newRow(view + "typed again after Backspace")
            << window << "x\ba" << "+..." << "b" << QList<int>{1, 1, 0};
        QTest::newRow(view + "Backspace in the empty box") << window << "\b" << "...." << "a" << QList<int>{0, 0, 0};
    }
}

// The colours live in the source box's character formats, where screen
// readers find them too; the next target is highlighted.
void tst_ArticleViews::colours()
{
    QFETCH(int, window);
    QFETCH(QString, keys);
    QFETCH(QString, marks);
    QFETCH(QString, target);
    QFETCH(QList<int>, counts);

    open(QStringLiteral("abcd"), Language::English, window);
    QTextEdit *source = views().source(window == 0 ? 0 : 1);
    QCOMPARE(this->marks(source), "....");
    QCOMPARE(highlighted(source), "a");
    type(keys);
    QCOMPARE(this->marks(source), marks);
    QCOMPARE(highlighted(source), target);
    QCOMPARE(this->counts(), counts);

    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(source)->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, 4), "abcd");
    int start = 0;
    int end = 0;
    const QString colour = marks[0] == u'+' ? "color:rgb(0,0,255)" : marks[0] == u'-' ? "color:rgb(255,0,0)"
                                                                                      : "color:rgb(0,0,0)";
    QVERIFY2(text->attributes(0, &start, &end).contains(colour), qPrintable(text->attributes(0, &start, &end)));
}

// A page of eight lines: each finished line hands over to the next pair;
// finishing the eighth shows the next page.
void tst_ArticleViews::abreastPages()
{
    open(nineLines.join(QString()), Language::Chinese, 1);
    for (int line = 1; line <= 8; ++line) {
        QCOMPARE(views().source(line)->toPlainText(), nineLines[line - 1]);
        QCOMPARE(views().input(line)->isEnabled(), line == 1);
        QCOMPARE(views().input(line)->maxLength(), 23);
    }
    QVERIFY(!views().Text9->isEnabled());

    commit(nineLines[0]);
    QCOMPARE(views().input(1)->text(), nineLines[0]);
    QVERIFY(!views().input(1)->isEnabled());
    QVERIFY(views().input(2)->isEnabled());
    QCOMPARE(focused(), "TextAbreas_2");
    // Only the line typed in shows its target.
    QCOMPARE(highlighted(views().source(1)), QString());
    QCOMPARE(highlighted(views().source(2)), "二");
    QCOMPARE(marks(views().source(1)), QString(23, u'+'));

    for (int line = 2; line <= 8; ++line)
        type(nineLines[line - 1]);
    QCOMPARE(counts(), (QList<int>{184, 184, 0}));
    QCOMPARE(views().source(1)->toPlainText(), nineLines[8]);
    QCOMPARE(marks(views().source(1)), ".....");
    QCOMPARE(views().input(1)->text(), QString());
    QCOMPARE(views().input(1)->maxLength(), 5);
    QCOMPARE(focused(), "TextAbreas_1");
    for (int line = 2; line <= 8; ++line) {
        QCOMPARE(views().source(line)->toPlainText(), QString());
        QCOMPARE(views().input(line)->text(), QString());
        QVERIFY(!views().input(line)->isEnabled());
    }

    QSignalSpy finished(m_panel, &PracticePanel::articleFinished);
    type(nineLines[8]);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(counts(), (QList<int>{189, 189, 0}));
}

// An input method may commit more than is left of a line: the rest goes on
// in the next line, or on the next page.
void tst_ArticleViews::commitPastTheEndOfALine()
{
    open(nineLines.join(QString()), Language::Chinese, 1);
    commit(nineLines[0] + "二二仁");
    QCOMPARE(views().input(1)->text(), nineLines[0]);
    QCOMPARE(views().input(2)->text(), "二二仁");
    QCOMPARE(focused(), "TextAbreas_2");
    QCOMPARE(counts(), (QList<int>{26, 25, 1}));
    QCOMPARE(m_panel->exercise().wrongCharacters(), "二");
    QCOMPARE(marks(views().source(2)), "++-" + QString(20, u'.'));

    type(QString(20, u'二'));
    for (int line = 3; line <= 7; ++line)
        commit(nineLines[line - 1]);
    commit(nineLines[7] + "九九");
    QCOMPARE(views().source(1)->toPlainText(), nineLines[8]);
    QCOMPARE(views().input(1)->text(), "九九");
    QCOMPARE(views().input(8)->text(), QString());
    QCOMPARE(focused(), "TextAbreas_1");
    QCOMPARE(counts(), (QList<int>{186, 185, 1}));
}

void tst_ArticleViews::switchingViews_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QList<int>>("countsAtSwitch");
    QTest::addColumn<QList<int>>("counts");

    QTest::newRow("normal to abreast, English")
        << Language::English << "abcdefgh ij" << 0 << "abx" << "defgh ij" << QList<int>{3, 2, 1}
        << QList<int>{11, 10, 1};
    QTest::newRow("abreast to normal in the second line")
        << Language::Chinese << QString(23, u'中') + QString(7, u'国') << 1 << QString(23, u'中') + "国国"
        << QString(5, u'国') << QList<int>{25, 25, 0} << QList<int>{30, 30, 0};
    QTest::newRow("after deleting what was typed")
        << Language::English << "abcd" << 0 << "ab\b\b" << "abcd" << QList<int>{0, 0, 0} << QList<int>{4, 4, 0};
}

// The switch keeps the counts and goes on at the next character to type.
void tst_ArticleViews::switchingViews()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(QString, before);
    QFETCH(QString, rest);
    QFETCH(QList<int>, countsAtSwitch);
    QFETCH(QList<int>, counts);

    QSignalSpy finished(m_panel, &PracticePanel::articleFinished);
    open(text, language, from);
    type(before);
    const int to = 1 - from;
    switchTo(to, language);
    QCOMPARE(m_panel->Frame15()->isVisible(), to == 1);
    QCOMPARE(this->counts(), countsAtSwitch);
    const int box = to == 0 ? 0 : 1;
    QCOMPARE(focused(), views().input(box)->objectName());
    QCOMPARE(views().source(box)->toPlainText().left(rest.size()), rest);
    QCOMPARE(views().input(box)->text(), QString());
    QCOMPARE(highlighted(views().source(box)), rest.left(1));
    QCOMPARE(marks(views().source(box)), QString(views().source(box)->toPlainText().size(), u'.'));

    type(rest);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(this->counts(), counts);
}

void tst_ArticleViews::chineseCodeHints_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<bool>("smartWordChoice");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("labels"); // Label11, or Label21 and Label22
    QTest::addColumn<QString>("wubiCode");   // marked on the Wubi keyboard; none without it

    QTest::newRow("one character") << 0 << "五笔" << false << "" << QStringList{"【中】  五笔编码：   k"} << "k";
    QTest::newRow("smart word choice") << 0 << "五笔" << true << "" << QStringList{"【中国】  五笔编码：   khlg"}
                                       << "khlg";
    QTest::newRow("the next character") << 0 << "五笔" << false << "中国" << QStringList{"【人】  五笔编码：   w"}
                                        << "w";
    QTest::newRow("punctuation has no code") << 0 << "五笔" << false << "中国人"
                                             << QStringList{"非汉字，无编码提示！"} << "";
    QTest::newRow("pinyin") << 0 << "拼音" << true << "" << QStringList{"【中国】  拼音编码：   zhongguo"} << "";
    QTest::newRow("abreast: smart word choice")
        << 1 << "五笔" << true << "" << QStringList{"中国", "五笔编码：khlg"} << "";
    QTest::newRow("abreast: punctuation")
        << 1 << "五笔" << false << "中国人" << QStringList{"非汉字", " 无编码提示！"} << "";
}

// The code hint of a Chinese article, with the code hint option on; in the
// normal view the Wubi keyboard marks the code, and keeps it when the input
// box gets the focus back.
void tst_ArticleViews::chineseCodeHints()
{
    QFETCH(int, window);
    QFETCH(QString, inputMeans);
    QFETCH(bool, smartWordChoice);
    QFETCH(QString, keys);
    QFETCH(QStringList, labels);
    QFETCH(QString, wubiCode);

    m_settings.InputMeans = inputMeans;
    m_settings.CAWordCue = 1;
    m_settings.CWordElect = smartWordChoice ? 1 : 0;
    open(QStringLiteral("中国人，天"), Language::Chinese, window);
    type(keys);
    // The abreast hints show only beside the abreast view.
    QCOMPARE(m_panel->Frame2()->Label21()->isVisible(), window == 1);
    if (window == 1) {
        QCOMPARE((QStringList{m_panel->Frame2()->Label21()->text(), m_panel->Frame2()->Label22()->text()}), labels);
        return;
    }
    QCOMPARE(QStringList{views().Label11->text()}, labels);

    const bool wubi = inputMeans == "五笔";
    QCOMPARE(m_panel->lumo_wbjp1()->isVisible(), wubi);
    QCOMPARE(m_panel->LUMOJP1()->isVisible(), !wubi);
    if (!wubi)
        return;
    WubiKeyboard expected;
    expected.load_wbm(wubiCode);
    QCOMPARE(m_panel->lumo_wbjp1()->accessibleDescription(), expected.accessibleDescription());
    views().Text9->clearFocus();
    QCOMPARE(m_panel->SetTextFocus(), views().Text9);
    QCOMPARE(views().Label11->text(), labels[0]);
    QCOMPARE(m_panel->lumo_wbjp1()->accessibleDescription(), expected.accessibleDescription());
}

void tst_ArticleViews::englishHintsSpeechAndKeyMarks_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("normal") << 0;
    QTest::newRow("abreast") << 1;
}

// English word hints: the meaning of the next word, read aloud, and in the
// normal view the next key marked on the on-screen keyboard.
void tst_ArticleViews::englishHintsSpeechAndKeyMarks()
{
    QFETCH(int, window);

    m_settings.EWordCue = 1;
    m_settings.EAutoRecite = 1;
    QSignalSpy speech(m_panel, &PracticePanel::speechWanted);
    QSignalSpy sounds(m_panel, &PracticePanel::keySoundWanted);
    open(QStringLiteral("hello book"), Language::English, window);
    const auto hint = [&] {
        return window == 0 ? views().Label11->text()
                           : m_panel->Frame2()->Label21()->text() + "|" + m_panel->Frame2()->Label22()->text();
    };
    QCOMPARE(hint(), window == 0 ? "【hello】 解释：你好" : "hello|【hello】 解释：你好");
    QCOMPARE(speech.count(), 1);
    QCOMPARE(speech.first().first().toString(), "hello");

    type(QStringLiteral("hellp"));
    QCOMPARE(hint(), window == 0 ? "【book】 解释：书" : "book|【book】 解释：书");
    QCOMPARE(speech.last().first().toString(), "book");
    QCOMPARE(sounds.count(), 5);
    QCOMPARE(sounds.first().first().value<KeySound>(), KeySound::Right);
    QCOMPARE(sounds.last().first().value<KeySound>(), KeySound::Wrong);
    // F3 reads the hint word again.
    speech.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(speech.count(), 1);
    QCOMPARE(speech.first().first().toString(), "book");

    OnScreenKeyboard expected;
    if (window == 0) {
        QVERIFY(m_panel->LUMOJP1()->isVisible());
        expected.xzjp(QStringLiteral(" "));
    }
    // The abreast view covers the keyboard and marks nothing.
    QCOMPARE(m_panel->LUMOJP1()->accessibleDescription(), expected.accessibleDescription());
}

// The option boxes run their logic on a click, and the hints follow at once;
// when the box typed in gets the focus back, they take their settings again.
void tst_ArticleViews::optionBoxesFollowTheSettingsOnFocus()
{
    m_settings.EWordCue = 1;
    open(QStringLiteral("hello book"), Language::English, 0);
    QCheckBox *Check3 = m_panel->articleOptions().Check3;
    QCheckBox *Check4 = m_panel->articleOptions().Check4;
    QCOMPARE(Check3->text(), "单词提示");
    QVERIFY(Check3->isChecked());
    QCOMPARE(views().Label11->text(), "【hello】 解释：你好");

    QTest::mouseClick(Check3, Qt::LeftButton);
    QCOMPARE(m_settings.EWordCue, 0);
    QCOMPARE(views().Label11->text(), QString());
    QCOMPARE(focused(), "Text9");

    // The settings dialog switched hints and reading on meanwhile.
    m_settings.EWordCue = 1;
    m_settings.EAutoRecite = 1;
    views().Text9->clearFocus();
    m_panel->SetTextFocus();
    QVERIFY(Check3->isChecked());
    QVERIFY(Check4->isChecked());
    QCOMPARE(views().Label11->text(), "【hello】 解释：你好");
}

void tst_ArticleViews::inputIsAppended_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then");

    QTest::newRow("a key") << Language::English << "abcd" << "ab" << "c";
    QTest::newRow("a commit") << Language::Chinese << "中国人天" << "中国" << "人";
}

// Wherever the caret was put, a key or a commit goes to the end of the box.
void tst_ArticleViews::inputIsAppended()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QString, then);

    open(text, language, 0);
    type(first);
    views().Text9->setCursorPosition(0);
    type(then);
    QCOMPARE(views().Text9->text(), first + then);
    QCOMPARE(counts(), (QList<int>{3, 3, 0}));
    QCOMPARE(marks(views().RichTextBox2), "+++.");
}

QTEST_MAIN(tst_ArticleViews)
#include "tst_articleviews.moc"
