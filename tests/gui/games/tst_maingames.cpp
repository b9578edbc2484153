// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MainMenus.h"
#include "core/ime/ImeTable.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolBand.h"
#include "gui/games/GamePanel.h"
#include "gui/games/ShootingController.h"
#include "gui/practice/PracticePanel.h"
#include "gui/results/ResultPanel.h"
#include "widgets/InputBox.h"

#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

// The games on the main window: the games menu and toolbar button 3 open
// them on the game panel, other entries put them away.
class tst_MainGames : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void entriesOpenTheGamePanel_data();
    void entriesOpenTheGamePanel();
    void drillEntryPutsTheGameAway();
    void gameOverWithNoShowsTheStartPicture();
    void shootingTakesTheBuiltInInput();

private:
    void makeWindow();
    MainWindow *window() const { return m_rig->window(); }
    QWidget *child(const QString &name) const { return window()->findChild<QWidget *>(name); }
    QTimer *timer(const QString &name) const { return window()->findChild<QTimer *>(name); }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<MainWindowRig> m_rig;
};

void tst_MainGames::init()
{
    m_folder = std::make_unique<TestFolder>();
    // Code lists of "五笔" for the shooting game.
    m_folder->copyFixture(QStringLiteral("games"));
    makeWindow();
}

void tst_MainGames::cleanup()
{
    m_rig.reset();
    m_folder.reset();
}

void tst_MainGames::makeWindow()
{
    m_rig = std::make_unique<MainWindowRig>(m_folder->path(), m_folder->file(QStringLiteral("user/default")));
    m_rig->session.settings.InputMeans = QStringLiteral("五笔");
    // On whatever input method the machine runs; it types only where its
    // table is in the program folder.
    m_rig->session.settings.BuiltInInput = QStringLiteral("开");
    QVERIFY(m_rig->open());
}

void tst_MainGames::entriesOpenTheGamePanel_data()
{
    QTest::addColumn<bool>("toolbar");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("mode");

    QTest::newRow("toolbar button 3: the frog") << true << 1 << "PLAY1Pic1" << "青蛙";
    QTest::newRow("青蛙吃虫(&F)") << false << 1 << "PLAY1Pic1" << "青蛙";
    QTest::newRow("打田鼠(&M)") << false << 2 << "play2Pic1" << "地鼠";
    QTest::newRow("打字精英(&R)") << false << 3 << "Play3Pic1" << "精英";
}

void tst_MainGames::entriesOpenTheGamePanel()
{
    QFETCH(bool, toolbar);
    QFETCH(int, entry);
    QFETCH(QString, picture);
    QFETCH(QString, mode);

    if (toolbar)
        window()->KorvelButton3_Click(ToolBand::Games);
    else
        window()->SmartNetXpButtonm_Click(MainMenus::Games, entry);

    QVERIFY(window()->Frame14()->isVisible());
    QVERIFY(!window()->Picture11()->isVisible());
    QVERIFY(!window()->Frame9()->isVisible());
    QVERIFY(!window()->Frame10()->isVisible());
    QVERIFY(child(picture)->isVisible());
    QCOMPARE(modeName(window()->shell().currentMode), mode);
    QVERIFY(m_rig->prompter.asked().isEmpty());
    QVERIFY(window()->Frame14()->isAncestorOf(QApplication::focusWidget()));
}

void tst_MainGames::drillEntryPutsTheGameAway()
{
    window()->SmartNetXpButtonm_Click(MainMenus::Games, 1);
    QVERIFY(timer(QStringLiteral("PLAY1Timer2"))->isActive());
    window()->SmartNetXpButtonm_Click(MainMenus::English, 1);
    QVERIFY(window()->Frame9()->isVisible());
    QVERIFY(!window()->Frame14()->isVisible());
    QVERIFY(!timer(QStringLiteral("PLAY1Timer2"))->isActive());
    QVERIFY(!timer(QStringLiteral("PLAY1Timer1"))->isActive());
}

void tst_MainGames::gameOverWithNoShowsTheStartPicture()
{
    window()->SmartNetXpButtonm_Click(MainMenus::Games, 2);
    m_rig->prompter.answerNext(Prompter::Answer::No);
    QWidget *moles = child(QStringLiteral("play2Pic1"));
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(moles, Qt::Key_1);
    QCOMPARE(m_rig->prompter.texts(), QStringList({QStringLiteral("游戏结束，是否重来？")}));
    QVERIFY(window()->Picture11()->isVisible());
    QVERIFY(!window()->Picture11()->pixmap().isNull());
    QVERIFY(!window()->Frame14()->isVisible());
    QVERIFY(!timer(QStringLiteral("play2Timer1"))->isActive());
}

// Letters alone shoot a sign's word through the built-in Wubi input.
void tst_MainGames::shootingTakesTheBuiltInInput()
{
    QVERIFY(QDir().mkpath(m_folder->file(QStringLiteral("ime"))));
    QVERIFY(QFile::copy(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/ime/wubi86.tbl"),
                        m_folder->file(QStringLiteral("ime/wubi86.tbl"))));
    const std::optional<ImeTable> table = ImeTable::load(m_folder->file(QStringLiteral("ime/wubi86.tbl")));
    QVERIFY(table);
    window()->SmartNetXpButtonm_Click(MainMenus::Games, 3);
    ShootingGame &game = window()->Frame14()->shooting()->shooting();
    auto *box = qobject_cast<InputBox *>(child(QStringLiteral("Play3Text1")));
    QVERIFY(box && box->hasFocus());

    const QString word = game.sign(0).word;
    QVERIFY(!word.isEmpty());
    for (QChar character : word) {
        const QString code = QString::fromLatin1(table->longestCode(character));
        QVERIFY2(!code.isEmpty(), qPrintable(word));
        QTest::keyClicks(box, code);
        if (!game.input().endsWith(character) && game.sign(0).word == word) {
            // Not decided by its code: the candidate's number picks it.
            const auto *list = window()->findChild<QListWidget *>(QStringLiteral("imeCandidates"));
            QVERIFY(list && list->isVisible());
            for (int i = 0; i < list->count(); ++i) {
                if (list->item(i)->text().section(u' ', 1, 1) == character) {
                    QTest::keyClick(box, char('1' + i));
                    break;
                }
            }
        }
    }
    // The sign was hit: it carries a new word, or no count until the next tick.
    QVERIFY(game.sign(0).word != word || !game.sign(0).count);
}

QTEST_MAIN(tst_MainGames)
#include "tst_maingames.moc"
