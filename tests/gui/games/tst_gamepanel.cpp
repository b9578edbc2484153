// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/GamePanel.h"

#include "core/app/ShellState.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/Settings.h"
#include "core/sound/SoundEffects.h"
#include "core/wubi/CodeTable.h"
#include "gui/games/FrogController.h"
#include "gui/games/FrogView.h"
#include "gui/games/GameScene.h"
#include "gui/games/MoleController.h"
#include "gui/games/MoleView.h"
#include "gui/games/ShootingController.h"
#include "gui/games/ShootingView.h"
#include "widgets/InputBox.h"

#include "FakeSoundOutput.h"
#include "ScriptedPrompter.h"
#include "ScriptedRandom.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QStringList frogTimers = {"PLAY1Timer1", "PLAY1Timer2", "play1Timer3"};

// Code lists with the phrases 中国 人民 中国 大家 and no three-character word.
const QString fixtureRoot = QStringLiteral(QINTARA_TEST_DATA_DIR "/games");

// Records the places repainted on a widget.
class PaintRecorder : public QObject
{
public:
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

class tst_GamePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuEntryStartsTheGame_data();
    void menuEntryStartsTheGame();
    void gameIsMadeOnFirstOpeningAndKept_data();
    void gameIsMadeOnFirstOpeningAndKept();
    void anotherGameStopsTheFirst();
    void pausesWhileThePictureLacksTheFocus();
    void openMenuPausesUntilThePictureIsClicked();
    void keysCatchLetters();
    void gameOverWithNoShowsTheStartPicture();
    void committedTextShootsASign();
    void noWordToShootReturnsToTheStartPicture();
    void fallingRepaintsOnlyTheBugs();

private:
    FrogGame &frog() const { return m_panel->frog()->frog(); }
    QTimer *timer(const QString &name) const { return m_panel->findChild<QTimer *>(name); }

    Settings m_settings;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<CodeTable> m_table;
    ScriptedRandom m_random;
    ScriptedPrompter m_prompter;
    FakeSoundOutput m_output;
    std::unique_ptr<SoundEffects> m_effects;
    ShellState m_shell;
    QStringList m_calls;
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_elsewhere = nullptr;
    GamePanel *m_panel = nullptr;
};

void tst_GamePanel::init()
{
    m_settings = Settings();
    m_settings.MaxTss = 5;
    m_settings.P2MaxTime = 10;
    m_settings.P3Text = 1;
    m_settings.InputMeans = QStringLiteral("五笔");
    m_folder = std::make_unique<ProgramFolder>(fixtureRoot);
    m_table = std::make_unique<CodeTable>(*m_folder, m_settings);
    m_random = ScriptedRandom();
    m_prompter.clear();
    m_output.clear();
    m_effects = std::make_unique<SoundEffects>(*m_folder, m_output);
    m_shell = ShellState();
    m_calls.clear();

    m_window = std::make_unique<QWidget>();
    m_window->resize(600, 480);
    m_elsewhere = new QLineEdit(m_window.get());
    m_elsewhere->setGeometry(0, 440, 100, 24);
    GamePanel::Shell shell {[this] { m_calls.append(QStringLiteral("Conceal_Menu")); },
                            [this] { m_calls.append(QStringLiteral("Cleanup")); },
                            [this] { m_calls.append(QStringLiteral("showGamePanel")); },
                            [this] { m_calls.append(QStringLiteral("showStartPicture")); }};
    m_panel = new GamePanel({m_settings, *m_table, m_random, m_prompter, *m_effects}, m_shell, shell, m_window.get());
    m_panel->setGeometry(0, 0, 600, 430);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_GamePanel::cleanup()
{
    m_window.reset();
}

void tst_GamePanel::menuEntryStartsTheGame_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("tick");

    QTest::newRow("青蛙吃虫") << 1 << "PLAY1Pic1" << int(PracticeMode::Frog) << "PLAY1Pic1" << "PLAY1Timer2";
    QTest::newRow("打田鼠") << 2 << "play2Pic1" << int(PracticeMode::Moles) << "play2Pic1" << "play2Timer1";
    QTest::newRow("打字精英") << 3 << "Play3Pic1" << int(PracticeMode::Shooting) << "Play3Text1" << "Play3Timer1";
}

void tst_GamePanel::menuEntryStartsTheGame()
{
    QFETCH(int, item);
    QFETCH(QString, picture);
    QFETCH(int, mode);
    QFETCH(QString, focus);
    QFETCH(QString, tick);

    m_panel->startGame(item);
    QCOMPARE(m_calls, QStringList({"Conceal_Menu", "Cleanup", "showGamePanel"}));
    QCOMPARE(int(m_shell.currentMode), mode);
    // The games not opened yet are not made at all.
    for (const QString &name : QStringList{"PLAY1Pic1", "play2Pic1", "Play3Pic1"}) {
        const QWidget *scene = m_panel->findChild<QWidget *>(name);
        QCOMPARE(scene && scene->isVisible(), name == picture);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(timer(tick)->isActive());
    // The speed setting 0: the slowest interval of each game.
    QCOMPARE(timer(tick)->interval(), QList<int>({100, 1000, 2000})[item - 1]);
}

void tst_GamePanel::gameIsMadeOnFirstOpeningAndKept_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("tick");

    QTest::newRow("青蛙吃虫") << 1 << "PLAY1Pic1" << "PLAY1Timer2";
    QTest::newRow("打田鼠") << 2 << "play2Pic1" << "play2Timer1";
    QTest::newRow("打字精英") << 3 << "Play3Pic1" << "Play3Timer1";
}

// Most sessions open no game: none of them, nor their pictures, exists before
// its first opening, and a game opened again is the one made before.
void tst_GamePanel::gameIsMadeOnFirstOpeningAndKept()
{
    QFETCH(int, item);
    QFETCH(QString, picture);
    QFETCH(QString, tick);

    qRegisterMetaType<InputBox *>();
    QSignalSpy shootingMade(m_panel, &GamePanel::shootingMade);
    m_panel->pause();
    QVERIFY(m_panel->findChildren<GameScene *>().isEmpty());
    QVERIFY(m_panel->findChildren<QTimer *>().isEmpty());
    QVERIFY(!m_panel->frog() && !m_panel->moles() && !m_panel->shooting());

    m_panel->startGame(item);
    const QList<GameScene *> made = m_panel->findChildren<GameScene *>();
    QCOMPARE(made.size(), 1);
    QCOMPARE(made.first()->objectName(), picture);
    // Another menu entry stops it; the menu entry brings the same game back.
    m_panel->startGame(0);
    QVERIFY(!made.first()->isVisible());
    QVERIFY(!timer(tick)->isActive());
    m_panel->startGame(item);
    QCOMPARE(m_panel->findChildren<GameScene *>(), made);
    QVERIFY(made.first()->isVisible());
    QVERIFY(timer(tick)->isActive());
    QCOMPARE(QApplication::focusWidget(), made.first()->gameFocus());

    QCOMPARE(shootingMade.size(), item == GamePanel::Shooting ? 1 : 0);
    if (item == GamePanel::Shooting)
        QCOMPARE(shootingMade.first().first().value<InputBox *>(), m_panel->shooting()->view()->Play3Text1());
}

void tst_GamePanel::anotherGameStopsTheFirst()
{
    m_panel->startGame(GamePanel::Frog);
    QVERIFY(timer(QStringLiteral("PLAY1Timer1"))->isActive());
    m_panel->startGame(GamePanel::Moles);
    for (const QString &name : frogTimers)
        QVERIFY(!timer(name)->isActive());
    QVERIFY(!m_panel->frog()->view()->isVisible());
    QVERIFY(timer(QStringLiteral("play2Timer1"))->isActive());
}

void tst_GamePanel::pausesWhileThePictureLacksTheFocus()
{
    m_panel->startGame(GamePanel::Frog);
    m_elsewhere->setFocus();
    for (const QString &name : frogTimers)
        QVERIFY(!timer(name)->isActive());

    // A click on the picture closes the menus and goes on.
    m_calls.clear();
    QTest::mouseClick(m_panel->frog()->view(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(m_calls, QStringList({"Conceal_Menu"}));
    QCOMPARE(QApplication::focusWidget(), m_panel->frog()->view());
    for (const QString &name : frogTimers)
        QVERIFY(timer(name)->isActive());
}

// Menus take no focus: the picture keeps it while a menu is open.
void tst_GamePanel::openMenuPausesUntilThePictureIsClicked()
{
    m_panel->startGame(GamePanel::Moles);
    QWidget *picture = m_panel->moles()->view();
    m_panel->pause();
    QVERIFY(picture->hasFocus());
    QVERIFY(!timer(QStringLiteral("play2Timer1"))->isActive());
    QTest::keyClick(picture, Qt::Key_1);
    QCOMPARE(m_panel->moles()->moles().score(), 1000);

    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(300, 100));
    QVERIFY(timer(QStringLiteral("play2Timer1"))->isActive());
    QTest::keyClick(picture, Qt::Key_1);
    QCOMPARE(m_panel->moles()->moles().score(), 980);
}

void tst_GamePanel::keysCatchLetters()
{
    m_panel->startGame(GamePanel::Frog);
    FrogView *view = m_panel->frog()->view();
    m_random.append({(u'k' - 97 + 0.5) / 26, (u'a' - 97 + 0.5) / 26});
    frog().tick(FrogGame::Fill);
    QVERIFY(view->accessibleDescription().startsWith(QStringLiteral("下落的字母，由低到高：k、a")));

    QTest::keyPress(view, Qt::Key_K, {}, -1);
    QCOMPARE(frog().score(), 1050);
    QCOMPARE(view->findChild<QLabel *>(QStringLiteral("PLAY1Lab2"))->text(), "1050");
    QVERIFY(frog().tongueEnd() != FrogGame::mouth);
    QVERIFY(m_output.played().last().endsWith(QStringLiteral("slurp.wav")));
    QTest::keyRelease(view, Qt::Key_K, {}, -1);
    QCOMPARE(frog().tongueEnd(), FrogGame::mouth);

    // "A", which no lower-case letter answers.
    QTest::keyClicks(view, QStringLiteral("A"));
    QCOMPARE(frog().score(), 1030);
}

void tst_GamePanel::gameOverWithNoShowsTheStartPicture()
{
    m_panel->startGame(GamePanel::Frog);
    m_prompter.answerNext(Prompter::Answer::No);
    m_calls.clear();
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(m_panel->frog()->view(), Qt::Key_1);
    QCOMPARE(m_prompter.texts(), QStringList({QStringLiteral("游戏结束，是否重来？")}));
    QCOMPARE(m_calls, QStringList({"showStartPicture"}));
    for (const QString &name : frogTimers)
        QVERIFY(!timer(name)->isActive());
}

void tst_GamePanel::committedTextShootsASign()
{
    m_random.append({0.1, 0.3, 0.9, 0.6});
    m_panel->startGame(GamePanel::Shooting);
    ShootingGame &game = m_panel->shooting()->shooting();
    QCOMPARE(game.sign(1).word, QStringLiteral("人民"));
    InputBox *box = m_panel->shooting()->view()->Play3Text1();

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("人民"));
    QApplication::sendEvent(box, &commit);

    QVERIFY(!game.sign(1).count);
    QCOMPARE(game.score(), 1050);
    QVERIFY(box->text().isEmpty());
    QVERIFY(m_output.played().last().endsWith(QStringLiteral("q028.WAV")));
    QCOMPARE(box->x(), qRound((ShootingGame::wordPlace(1).x() + 450) / 15.0));
    QVERIFY(m_panel->shooting()->view()->accessibleDescription().contains(QStringLiteral("人民（已打中）")));

    // A wrong phrase stays in the box and costs nothing.
    commit.setCommitString(QStringLiteral("大国"));
    QApplication::sendEvent(box, &commit);
    QCOMPARE(box->text(), QStringLiteral("大国"));
    QCOMPARE(game.score(), 1050);
}

void tst_GamePanel::noWordToShootReturnsToTheStartPicture()
{
    m_settings.P3Text = 2;
    m_panel->startGame(GamePanel::Shooting);
    QCOMPARE(m_prompter.asked().size(), 1);
    QVERIFY(m_prompter.asked().first().text.contains(QStringLiteral("三字词组")));
    QCOMPARE(m_calls.last(), "showStartPicture");
    QVERIFY(!timer(QStringLiteral("Play3Timer1"))->isActive());
}

void tst_GamePanel::fallingRepaintsOnlyTheBugs()
{
    m_panel->startGame(GamePanel::Frog);
    FrogView *view = m_panel->frog()->view();
    frog().tick(FrogGame::Fill);
    // The timers stay off; the test ticks.
    frog().stop();
    QCoreApplication::processEvents();

    PaintRecorder recorder;
    view->installEventFilter(&recorder);
    frog().tick(FrogGame::Fall);
    QCoreApplication::processEvents();
    view->removeEventFilter(&recorder);

    // Ten bugs of 36 x 34 moved 50 twips: their old and new places.
    QVERIFY(!recorder.painted.isEmpty());
    qint64 area = 0;
    for (const QRect &rect : recorder.painted)
        area += qint64(rect.width()) * rect.height();
    QVERIFY2(area <= 10 * 36 * 38, qPrintable(QString::number(area)));
    QVERIFY(!recorder.painted.contains(QPoint(291, 360))); // the frog
}

QTEST_MAIN(tst_GamePanel)
#include "tst_gamepanel.moc"
