// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeTable.h"
#include "core/settings/SettingsFile.h"
#include "gui/app/MainMenuBar.h"
#include "gui/app/MainWindow.h"
#include "gui/practice/PracticePanel.h"
#include "gui/sound/SoundSystem.h"
#include "widgets/InputBox.h"
#include "widgets/OnScreenKeyboard.h"

#include "DiskAudio.h"
#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

#include <algorithm>

namespace {

// The shipped program folder: the drills only read it.
ProgramFolder shippedData()
{
    return ProgramFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR));
}

} // namespace

// The drills of the main window's menus on the shipped material, as a user
// reaches them: a menu entry, then a key.
class tst_MainDrills : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyDrillEntry_data();
    void everyDrillEntry();
    void realSoundAndSpeech();
    void lettersBelongToTheBoxWhileAMenuIsOpen();
    void builtInInput_data();
    void builtInInput();
    void ctrlSpaceTurnsTheBuiltInInputOver();
    void lettersLeadingNowhereShowTheCode();

private:
    MainWindow *window() const { return m_rig->window(); }
    QString label(const QString &name) const { return window()->findChild<QLabel *>(name)->text(); }
    // The next character to type: the target character, or the first one of the target word.
    QString target() const;
    void typeTarget();

    std::unique_ptr<TestFolder> m_userFolder;
    std::unique_ptr<MainWindowRig> m_rig;
};

void tst_MainDrills::init()
{
    m_userFolder = std::make_unique<TestFolder>();
    m_rig = std::make_unique<MainWindowRig>(shippedData().root(), m_userFolder->path());
}

void tst_MainDrills::cleanup()
{
    m_rig.reset();
    m_userFolder.reset();
}

QString tst_MainDrills::target() const
{
    const auto *word = window()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    if (word->isVisible())
        return word->toPlainText().left(1);
    return label(QStringLiteral("Label2"));
}

void tst_MainDrills::typeTarget()
{
    const QString key = target();
    QWidget *box = QApplication::focusWidget();
    QVERIFY(qobject_cast<InputBox *>(box));
    if (key.at(0).unicode() < 0x80) {
        QTest::keyClicks(box, key);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(key);
        QApplication::sendEvent(box, &commit);
    }
}

void tst_MainDrills::everyDrillEntry_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("modeName");
    QTest::addColumn<QString>("box");

    QTest::newRow("字母练习") << 1 << 1 << "字母练习" << "Text1";
    QTest::newRow("单词练习") << 1 << 2 << "单词练习" << "Text2";
    QTest::newRow("单字练习") << 2 << 1 << "单字练习" << "Text1";
    QTest::newRow("词组练习") << 2 << 2 << "词组练习" << "Text2";
    QTest::newRow("英文数字") << 3 << 1 << "数字" << "Text2";
    QTest::newRow("中文数字") << 3 << 2 << "数字" << "Text1";
    QTest::newRow("阿拉伯数字") << 3 << 3 << "数字" << "Text1";
}

void tst_MainDrills::everyDrillEntry()
{
    QFETCH(int, menu);
    QFETCH(int, entry);
    QFETCH(QString, modeName);
    QFETCH(QString, box);

    m_rig->session.settings.CueMusic = 1;
    QVERIFY(m_rig->open());

    window()->SmartNetXpButtonm_Click(menu, entry);
    QCOMPARE(::modeName(window()->shell().currentMode), modeName);
    QVERIFY(window()->Frame9()->isVisible());
    QVERIFY(window()->Frame9()->Frame3()->isVisible());
    QVERIFY(!window()->Picture11()->isVisible());
    QVERIFY(window()->Picture11()->pixmap().isNull());
    QCOMPARE(QApplication::focusWidget()->objectName(), box);
    QVERIFY(!target().isEmpty());

    const QString typed = target();
    typeTarget();
    QCOMPARE(label(QStringLiteral("Lab_zishu")), "1");
    QCOMPARE(label(QStringLiteral("Lab_zhenquizishu")), "1");
    QCOMPARE(label(QStringLiteral("Lab_chuowuzishu")), "0");
    QVERIFY(window()->Frame9()->Timer2().isActive());
    QVERIFY(m_rig->sound.played().contains(QStringLiteral("play ")
                                           + shippedData().path(QStringLiteral("\\Music\\sound\\type.wav"))));
    if (typed.at(0).unicode() < 0x80 && box == u"Text1")
        QVERIFY(window()->Frame9()->LUMOJP1()->accessibleDescription().startsWith(u"下一个键"));
    QCOMPARE(m_rig->prompter.asked().size(), 0);

    // Quitting keeps the chosen material for the next login.
    m_rig->prompter.answerNext(Prompter::Answer::Yes);
    window()->close();
    const std::optional<Settings> saved =
        LoadSettings(m_userFolder->file(QStringLiteral("Deplog.ini")), shippedData());
    QVERIFY(saved);
    QCOMPARE(saved->Eword, m_rig->session.settings.Eword);
    QCOMPARE(saved->Cword, m_rig->session.settings.Cword);
}

void tst_MainDrills::realSoundAndSpeech()
{
    TestFolder recordingFolder;
    const QString recording = recordingFolder.file(QStringLiteral("out.raw"));
    recordNextDeviceInto(recording);
    SoundSystem sounds(shippedData(), QStringLiteral(QINTARA_PROGRAM_DIR));
    // The window plays through the sound system: it goes first, whatever fails.
    const auto windowFirst = qScopeGuard([this] { delete m_rig->window(); });
    m_rig->session.settings.CueMusic = 1;
    m_rig->session.settings.EWordRecite = 1;
    QVERIFY(m_rig->openWith({ m_rig->prompter, m_rig->urls, m_rig->help, sounds.output(), sounds.speechEngine(),
                              sounds.effects(), m_rig->files }));

    const auto loudSamples = [&recording] { return loudSamplesIn(recording); };
    // Waits until the device has played out what it was given.
    const auto playedOut = [&loudSamples] {
        qsizetype before = -1;
        while (loudSamples() != before) {
            before = loudSamples();
            QTest::qWait(300);
        }
        return before;
    };

    // The first word is read aloud when the drill opens, the key sounds when typed.
    window()->SmartNetXpButtonm_Click(1, 2);
    QTRY_VERIFY_WITH_TIMEOUT(loudSamples() > 1000, 5000);
    const qsizetype spoken = playedOut();
    typeTarget();
    QTRY_VERIFY_WITH_TIMEOUT(loudSamples() > spoken + 1000, 5000);
    QCOMPARE(m_rig->prompter.asked().size(), 0);
}

// An open menu must not take the letters typed into a drill: "p" is the
// access key of "单词练习(&P)", and the letter drill's box has the caret.
void tst_MainDrills::lettersBelongToTheBoxWhileAMenuIsOpen()
{
    QVERIFY(m_rig->open());
    window()->SmartNetXpButtonm_Click(1, 1);
    QWidget *box = QApplication::focusWidget();
    QCOMPARE(box->objectName(), "Text1");

    window()->menuBar()->showMenu(1);
    QCOMPARE(window()->menuBar()->openMenu(), 1);
    QTest::keyClick(box, Qt::Key_P);
    QCOMPARE(window()->shell().currentMode, PracticeMode::Letters);
    QVERIFY(window()->Frame9()->Frame3()->isVisible());
    QCOMPARE(label(QStringLiteral("Lab_zishu")), "1");

    // With Alt the access key still chooses its entry.
    window()->menuBar()->showMenu(1);
    QTest::keyClick(box, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(window()->shell().currentMode, PracticeMode::Words);
}

void tst_MainDrills::builtInInput_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("inputShown");  // "" when the bar shows no input line
    QTest::addColumn<bool>("typesChinese");

    QTest::newRow("characters, Wubi") << "开" << "五笔" << 2 << 1 << "内置五笔" << true;
    QTest::newRow("phrases, Wubi") << "开" << "五笔" << 2 << 2 << "内置五笔" << true;
    QTest::newRow("Chinese numbers, pinyin") << "开" << "拼音" << 3 << 2 << "内置拼音" << true;
    QTest::newRow("characters, off") << "关" << "五笔" << 2 << 1 << "系统输入法" << false;
    QTest::newRow("letters keep their keys") << "开" << "五笔" << 1 << 1 << "" << false;
}

// The built-in input on the drills, as a learner without a system input
// method types: letters only, the code of the target and a candidate number
// where the code alone does not decide.
void tst_MainDrills::builtInInput()
{
    QFETCH(QString, setting);
    QFETCH(QString, inputMeans);
    QFETCH(int, menu);
    QFETCH(int, entry);
    QFETCH(QString, inputShown);
    QFETCH(bool, typesChinese);

    m_rig->session.settings.BuiltInInput = setting;
    m_rig->session.settings.InputMeans = inputMeans;
    QVERIFY(m_rig->open());
    window()->SmartNetXpButtonm_Click(menu, entry);
    QWidget *box = QApplication::focusWidget();
    QVERIFY(qobject_cast<InputBox *>(box));

    const auto *inputLine = window()->findChild<QLabel *>(QStringLiteral("Lab_shurufa"));
    const auto *figures = window()->findChild<QLabel *>(QStringLiteral("Lab_jijian"));
    QCOMPARE(inputLine->isVisible() ? inputLine->text() : QString(), inputShown);
    QCOMPARE(figures->isVisible(), typesChinese);

    const QString character = target();
    if (!typesChinese) {
        // Letters type themselves: right in the letter drill, wrong against a character.
        QTest::keyClicks(box, character.at(0).unicode() < 0x80 ? character : QStringLiteral("q"));
        QCOMPARE(label(QStringLiteral("Lab_zishu")), "1");
        return;
    }
    const QString tableFile = inputMeans == u"五笔" ? QStringLiteral("wubi86.tbl") : QStringLiteral("pinyin.tbl");
    const std::optional<ImeTable> table = ImeTable::load(shippedData().path(QStringLiteral("\\ime\\") + tableFile));
    QVERIFY(table);
    const QString code = QString::fromLatin1(table->longestCode(character));
    QVERIFY2(!code.isEmpty(), qPrintable(character));
    QTest::keyClicks(box, code);
    if (label(QStringLiteral("Lab_zishu")) == u"0") {
        // Not decided by the code: the candidate's number picks it.
        const auto *list = window()->findChild<QListWidget *>(QStringLiteral("imeCandidates"));
        QVERIFY(list && list->isVisible());
        int number = 0;
        // Rare characters of a common spelling stand on a later page.
        for (int page = 0; page < 40 && !number; ++page) {
            for (int i = 0; i < list->count() && !number; ++i) {
                if (list->item(i)->text().section(u' ', 1, 1) == character)
                    number = i + 1;
            }
            if (!number)
                QTest::keyClick(box, Qt::Key_Equal);
        }
        QVERIFY2(number > 0, qPrintable(character + u' ' + code));
        QTest::keyClick(box, char('0' + number));
    }
    QCOMPARE(label(QStringLiteral("Lab_zishu")), "1");
    QCOMPARE(label(QStringLiteral("Lab_zhenquizishu")), "1");
    QCOMPARE(label(QStringLiteral("Lab_chuowuzishu")), "0");
    QVERIFY(figures->text().contains(u'/'));
}

void tst_MainDrills::ctrlSpaceTurnsTheBuiltInInputOver()
{
    m_rig->session.settings.BuiltInInput = QStringLiteral("开");
    m_rig->session.settings.InputMeans = QStringLiteral("五笔");
    QVERIFY(m_rig->open());
    window()->SmartNetXpButtonm_Click(2, 1);
    QWidget *box = QApplication::focusWidget();
    const auto *inputLine = window()->findChild<QLabel *>(QStringLiteral("Lab_shurufa"));
    QCOMPARE(inputLine->text(), "内置五笔");

    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(inputLine->text(), "系统输入法");
    QTest::keyClick(box, Qt::Key_Q);
    QCOMPARE(label(QStringLiteral("Lab_chuowuzishu")), "1");

    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(inputLine->text(), "内置五笔");
    QCOMPARE(label(QStringLiteral("Lab_zishu")), "1");
}

// With the code hint off, letters that name nothing show the target's code
// as the code-hint hot key does, and count nothing.
void tst_MainDrills::lettersLeadingNowhereShowTheCode()
{
    m_rig->session.settings.BuiltInInput = QStringLiteral("开");
    m_rig->session.settings.InputMeans = QStringLiteral("五笔");
    m_rig->session.settings.CWordCue = 0;
    QVERIFY(m_rig->open());
    window()->SmartNetXpButtonm_Click(2, 1);
    QWidget *box = QApplication::focusWidget();
    const auto *hint = window()->findChild<QLabel *>(QStringLiteral("Label4"));
    QVERIFY(!hint->isVisible());

    QTest::keyClicks(box, QStringLiteral("yyyv"));
    QVERIFY(hint->isVisible());
    QVERIFY2(hint->text().startsWith(u"五笔编码："), qPrintable(hint->text()));
    QCOMPARE(label(QStringLiteral("Lab_zishu")), "0");
}

QTEST_MAIN(tst_MainDrills)
#include "tst_maindrills.moc"
