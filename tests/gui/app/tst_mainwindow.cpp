// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MainMenus.h"
#include "core/platform/Twips.h"
#include "core/settings/SettingsFile.h"
#include "gui/app/CaptionBar.h"
#include "gui/app/CaptionButton.h"
#include "gui/app/MainMenuBar.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolBand.h"
#include "gui/app/WindowAccessibility.h"
#include "gui/games/GamePanel.h"
#include "core/practice/DrillModel.h"
#include "gui/practice/DrillPanel.h"
#include "gui/results/ResultPanel.h"
#include "gui/practice/SingleKeyDrill.h"
#include "gui/practice/PracticePanel.h"
#include "widgets/DropDownPanel.h"
#include "widgets/KorvelButton.h"
#include "widgets/MenuButton.h"

#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QAccessible>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

void copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadSetsTheRun();
    void viewButtonsAtStartUp_data();
    void viewButtonsAtStartUp();
    void titleOpensItsPanelBelowIt();
    void openingAnotherMenuClosesTheFirst();
    void everyPanelHasAGreyFrame();
    void entriesStackInsideThePanel();
    void menusClose_data();
    void menusClose();
    void accessKeys();
    void viewButtonsOutsideAnArticleDoNothing_data();
    void viewButtonsOutsideAnArticleDoNothing();
    void viewButtonsSwitchAnArticle();
    void missingHelpPage_data();
    void missingHelpPage();
    void helpPageOpens();
    void webEntries();
    void aboutBoxIsModal();
    void userManagerKnowsTheLoggedInUser();
    void captionButtons();
    void faceChangeShowsTheFaceForAMoment();
    void quitYesSavesTheSettings();
    void quitNoTouchesNothing();
    void quitStoresTheArticlePlace();

private:
    void makeWindow(qint16 window = 1);
    MainWindow *window() const { return m_rig->window(); }
    MainMenuBar *menuBar() const { return window()->menuBar(); }
    KorvelButton *toolButton(int index) const
    {
        return window()->findChild<KorvelButton *>(QStringLiteral("KorvelButton3_%1").arg(index));
    }
    QString settingsFile() const { return m_rig->settingsFile(); }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<MainWindowRig> m_rig;
};

void tst_MainWindow::init()
{
    registerWindowAccessibility();
    m_folder = std::make_unique<TestFolder>();
    m_folder->makeFolder(QStringLiteral("chinese/五笔"));
}

void tst_MainWindow::cleanup()
{
    m_rig.reset();
    m_folder.reset();
}

void tst_MainWindow::makeWindow(qint16 window)
{
    m_rig = std::make_unique<MainWindowRig>(m_folder->path(), m_folder->file(QStringLiteral("user/default")));
    m_rig->session.settings.Window = window;
    m_rig->session.settings.Earticle = QStringLiteral("english/a.lmf");
    m_rig->session.settings.Carticle = QStringLiteral("chinese/b.lmf");
    QVERIFY(m_rig->saveSettings());
    QVERIFY(m_rig->open());
}

void tst_MainWindow::loadSetsTheRun()
{
    makeWindow();
    QVERIFY(window()->isReady());
    QCOMPARE(window()->drills()->model().drillMode(), DrillMode::Letters);
    QCOMPARE(window()->size(), QSize(598, 511));
    QCOMPARE(window()->windowTitle(), QStringLiteral("Qintara4.8"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window());
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Qintara4.8"));
    QVERIFY(window()->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window()->Frame9()->width(), 589);
    QVERIFY(window()->Picture11()->isVisible());
    QVERIFY(!window()->Frame9()->isVisible());
    QVERIFY(!window()->Frame10()->isVisible());
    QVERIFY(!window()->Frame14()->isVisible());
    QCOMPARE(menuBar()->openMenu(), 0);
}

void tst_MainWindow::viewButtonsAtStartUp_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("normalEnabled");
    QTest::addColumn<bool>("abreastEnabled");

    QTest::newRow("abreast view disables button 7") << 1 << true << false;
    QTest::newRow("normal view disables button 6") << 0 << false << true;
}

void tst_MainWindow::viewButtonsAtStartUp()
{
    QFETCH(int, window);
    QFETCH(bool, normalEnabled);
    QFETCH(bool, abreastEnabled);
    makeWindow(qint16(window));
    QCOMPARE(toolButton(6)->isEnabled(), normalEnabled);
    QCOMPARE(toolButton(7)->isEnabled(), abreastEnabled);
}

void tst_MainWindow::titleOpensItsPanelBelowIt()
{
    makeWindow();
    for (int menu = 1; menu <= menuBar()->menuCount(); ++menu) {
        QTest::mouseClick(menuBar()->title(menu), Qt::LeftButton);
        QCOMPARE(menuBar()->openMenu(), menu);
        DropDownPanel *panel = menuBar()->panel(menu);
        const int titleLeft = menuBar()->title(menu)->mapTo(window(), QPoint()).x();
        QCOMPARE(panel->y(), 51);
        if (menu <= 5) // the last two move left to stay inside the window
            QCOMPARE(panel->x(), titleLeft + 5); // 70 twips
        // Every panel lies inside the window's rims.
        QVERIFY2(panel->geometry().right() < window()->width() - 4, qPrintable(QString::number(menu)));
    }
    // A second click re-opens the same panel; nothing toggles it closed.
    QTest::mouseClick(menuBar()->title(2), Qt::LeftButton);
    QTest::mouseClick(menuBar()->title(2), Qt::LeftButton);
    QCOMPARE(menuBar()->openMenu(), 2);
}

void tst_MainWindow::openingAnotherMenuClosesTheFirst()
{
    makeWindow();
    QTest::mouseClick(menuBar()->title(1), Qt::LeftButton);
    QVERIFY(menuBar()->panel(1)->isVisible());
    QTest::mouseClick(menuBar()->title(3), Qt::LeftButton);
    QVERIFY(!menuBar()->panel(1)->isVisible());
    QVERIFY(menuBar()->panel(3)->isVisible());
    QVERIFY(!menuBar()->title(1)->isOpen());
    QVERIFY(menuBar()->title(3)->isOpen());
}

void tst_MainWindow::everyPanelHasAGreyFrame()
{
    makeWindow();
    const QColor grey(128, 128, 128);
    for (int menu = 1; menu <= menuBar()->menuCount(); ++menu) {
        DropDownPanel *panel = menuBar()->panel(menu);
        const QImage image = panel->grab().toImage();
        const QRect edge = panel->rect();
        for (const QPoint point : {edge.topLeft(), edge.topRight(), edge.bottomLeft(), edge.bottomRight(),
                                   QPoint(edge.center().x(), 0), QPoint(0, edge.center().y())})
            QVERIFY2(image.pixelColor(point * image.devicePixelRatio()) == grey,
                     qPrintable(QStringLiteral("menu %1 at %2,%3").arg(menu).arg(point.x()).arg(point.y())));
    }
}

void tst_MainWindow::entriesStackInsideThePanel()
{
    makeWindow();
    DropDownPanel *panel = menuBar()->panel(1);
    int top = 1; // inside the frame
    for (int entry = 1; entry <= 5; ++entry) {
        MenuButton *button = menuBar()->entry(1, entry);
        QCOMPARE(button->parentWidget(), panel);
        QCOMPARE(button->geometry(), QRect(1 + 2, top, panel->width() - 2 - 4, button->height()));
        top += button->height();
    }
    QCOMPARE(menuBar()->entry(7, 5)->caption(), QStringLiteral("关于(&A)..."));
    QCOMPARE(menuBar()->title(5)->caption(), QStringLiteral("成绩记录(&G)"));
}

void tst_MainWindow::menusClose_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click on the start picture") << "start picture";
    QTest::newRow("click on the result panel") << "result panel";
    QTest::newRow("press on the tool band") << "tool band";
    QTest::newRow("pointer over the caption picture") << "caption";
    QTest::newRow("right button on a title") << "right title";
    QTest::newRow("pointer over the panel's margin") << "margin";
    QTest::newRow("a toolbar button") << "toolbar";
    QTest::newRow("a menu entry") << "entry";
}

void tst_MainWindow::menusClose()
{
    QFETCH(QString, how);
    makeWindow();
    QTest::mouseClick(menuBar()->title(1), Qt::LeftButton);
    QCOMPARE(menuBar()->openMenu(), 1);

    if (how == u"start picture") {
        QTest::mouseClick(window()->Picture11(), Qt::LeftButton, {}, QPoint(20, 300));
    } else if (how == u"result panel") {
        window()->showTopPanel(window()->Frame10());
        QTest::mouseClick(window()->Frame11(), Qt::LeftButton, {}, QPoint(20, 300));
    } else if (how == u"tool band") {
        ToolBand *band = window()->toolBand();
        QTest::mouseClick(band, Qt::LeftButton, {}, QPoint(band->width() - 60, 10));
    } else if (how == u"caption") {
        QTest::mouseMove(window()->findChild<QLabel *>(QStringLiteral("Image1")), QPoint(450, 10));
    } else if (how == u"right title") {
        QTest::mouseClick(menuBar()->title(4), Qt::RightButton);
    } else if (how == u"margin") {
        DropDownPanel *panel = menuBar()->panel(1);
        QTest::mouseMove(panel, QPoint(panel->width() / 2, panel->height() - 2));
    } else if (how == u"toolbar") {
        QTest::mouseClick(toolButton(2), Qt::LeftButton);
    } else if (how == u"entry") {
        QTest::mouseClick(menuBar()->entry(1, 1), Qt::LeftButton);
    }
    QTRY_COMPARE(menuBar()->openMenu(), 0);
    QVERIFY(!menuBar()->title(1)->isOpen());
}

void tst_MainWindow::accessKeys()
{
    makeWindow();
    QSignalSpy chosen(menuBar(), &MainMenuBar::entryChosen);

    QTest::keyClick(window(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(menuBar()->openMenu(), 2);
    QTest::keyClick(window(), Qt::Key_X); // no entry of this menu
    QCOMPARE(menuBar()->openMenu(), 2);
    QCOMPARE(chosen.count(), 0);
    QTest::keyClick(window(), Qt::Key_P);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first(), (QVariantList{2, 2}));
    QCOMPARE(menuBar()->openMenu(), 0);

    // Without an open menu a letter is only typing.
    QTest::keyClick(window(), Qt::Key_P);
    QCOMPARE(chosen.count(), 1);

    QTest::keyClick(window(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(menuBar()->openMenu(), 3);
    QTest::keyClick(window(), Qt::Key_Escape);
    QCOMPARE(menuBar()->openMenu(), 0);
}

void tst_MainWindow::viewButtonsOutsideAnArticleDoNothing_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("button");
    QTest::newRow("after start-up, button 6") << "" << 6;
    QTest::newRow("letter drill, button 6") << "字母练习" << 6;
    QTest::newRow("frog game, button 6") << "青蛙" << 6;
}

void tst_MainWindow::viewButtonsOutsideAnArticleDoNothing()
{
    QFETCH(QString, mode);
    QFETCH(int, button);
    makeWindow(1);
    window()->shell().currentMode = practiceModeNamed(mode).value_or(PracticeMode::None);
    QTest::mouseClick(toolButton(button), Qt::LeftButton);
    QCOMPARE(m_rig->session.settings.Window, qint16(1));
    QVERIFY(toolButton(6)->isEnabled());
    QVERIFY(!toolButton(7)->isEnabled());
    QVERIFY(!window()->Frame9()->isVisible());
    // The disabled button 7 cannot even be clicked; its handler does nothing either.
    window()->KorvelButton3_Click(7);
    QCOMPARE(m_rig->session.settings.Window, qint16(1));
    QVERIFY(toolButton(6)->isEnabled());
    QVERIFY(!toolButton(7)->isEnabled());
}

void tst_MainWindow::viewButtonsSwitchAnArticle()
{
    makeWindow(1);
    window()->showTopPanel(window()->Frame9());
    window()->shell().currentMode = PracticeMode::EnglishArticle;
    window()->Frame9()->exercise().setCount(Exercise::Counter::Input, 12);

    QTest::mouseClick(toolButton(6), Qt::LeftButton);
    QCOMPARE(m_rig->session.settings.Window, qint16(0));
    QVERIFY(!toolButton(6)->isEnabled());
    QVERIFY(toolButton(7)->isEnabled());
    QCOMPARE(window()->Frame9()->exercise().earlierCount(), 12);
    QVERIFY(window()->Frame9()->Frame7()->isVisible());
    QVERIFY(!window()->Frame9()->Frame15()->isVisible());
    QCOMPARE(window()->shell().currentMode, PracticeMode::EnglishArticle);

    QTest::mouseClick(toolButton(7), Qt::LeftButton);
    QCOMPARE(m_rig->session.settings.Window, qint16(1));
    QVERIFY(toolButton(6)->isEnabled());
    QVERIFY(!toolButton(7)->isEnabled());
    QVERIFY(window()->Frame9()->Frame15()->isVisible());
}

void tst_MainWindow::missingHelpPage_data()
{
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("toolbar button 9") << true;
    QTest::newRow("help topics entry") << false;
}

void tst_MainWindow::missingHelpPage()
{
    QFETCH(bool, fromToolbar);
    makeWindow();
    if (fromToolbar)
        QTest::mouseClick(toolButton(9), Qt::LeftButton);
    else
        window()->SmartNetXpButtonm_Click(7, 1);
    QCOMPARE(m_rig->prompter.asked().size(), 1);
    const ScriptedPrompter::Asked box = m_rig->prompter.asked().first();
    QCOMPARE(box.text, QStringLiteral("无法打开帮助文件！"));
    QCOMPARE(box.title, QStringLiteral("提示"));
    QCOMPARE(box.icon, Prompter::Icon::Error);
    QVERIFY(!m_rig->help.isVisible());
}

void tst_MainWindow::helpPageOpens()
{
    copyFolder(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/help"), m_folder->file(QStringLiteral("help")));
    makeWindow();
    window()->shell().currentMode = PracticeMode::None;
    QTest::mouseClick(toolButton(9), Qt::LeftButton);
    QVERIFY(m_rig->prompter.asked().isEmpty());
    QVERIFY(m_rig->help.isVisible());
}

void tst_MainWindow::webEntries()
{
    makeWindow();
    for (int entry = 2; entry <= 4; ++entry)
        window()->SmartNetXpButtonm_Click(7, entry);
    QCOMPARE(m_rig->urls.opened.size(), 3);
    for (const QString &address : m_rig->urls.opened)
        QVERIFY2(address.startsWith(u"https://"), qPrintable(address));
}

void tst_MainWindow::aboutBoxIsModal()
{
    makeWindow();
    QString shown;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        shown = box->objectName();
        modal = box->isModal();
        box->close();
    });
    QTest::mouseClick(window()->captionBar()->aboutButton(), Qt::LeftButton);
    QCOMPARE(shown, QStringLiteral("Frmabout"));
    QVERIFY(modal);
    QCOMPARE(window()->captionBar()->aboutButton()->shownPicture().toImage(),
             window()->captionBar()->aboutButton()->normalPicture().toImage());
}

void tst_MainWindow::userManagerKnowsTheLoggedInUser()
{
    makeWindow();
    QString shown;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        shown = dialog->objectName();
        modal = dialog->isModal();
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
        list->setCurrentRow(0);
        QTest::mouseClick(dialog->findChild<KorvelButton *>(QStringLiteral("KorvelButton1")), Qt::LeftButton);
        dialog->close();
    });
    window()->SmartNetXpButtonm_Click(MainMenus::System, MainMenus::UserManager);
    QCOMPARE(shown, QStringLiteral("user"));
    QVERIFY(modal);
    QCOMPARE(m_rig->prompter.texts(), QStringList{QStringLiteral("不能删除当前用户 ！")});
    QVERIFY(QFileInfo::exists(settingsFile()));
}

void tst_MainWindow::captionButtons()
{
    makeWindow();
    CaptionBar *bar = window()->captionBar();
    QCOMPARE(bar->closeButton()->objectName(), QStringLiteral("Picture6"));
    QCOMPARE(bar->closeButton()->toolTip(), QStringLiteral("关闭"));
    QCOMPARE(bar->minimiseButton()->toolTip(), QStringLiteral("最小化"));
    QCOMPARE(bar->aboutButton()->toolTip(), QStringLiteral("关于"));
    QCOMPARE(window()->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Qintara4.8"));

    CaptionButton *close = bar->closeButton();
    QVERIFY(close->hoverPicture().toImage() != close->normalPicture().toImage());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), close->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(close, &enter);
    QCOMPARE(close->shownPicture().toImage(), close->hoverPicture().toImage());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(close, &leave);
    QCOMPARE(close->shownPicture().toImage(), close->normalPicture().toImage());
}

void tst_MainWindow::faceChangeShowsTheFaceForAMoment()
{
    makeWindow();
    QLabel *spot = window()->toolBand()->faceSpot();
    bool shownMeanwhile = false;
    QTimer::singleShot(0, this, [&] { shownMeanwhile = !spot->pixmap().isNull(); });
    window()->face_change();
    QVERIFY(shownMeanwhile);
    QVERIFY(spot->pixmap().isNull());
}

void tst_MainWindow::quitYesSavesTheSettings()
{
    makeWindow();
    m_rig->session.settings.Window = 0;
    m_rig->session.settings.Eplace = 121;
    m_rig->prompter.answerNext(Prompter::Answer::Yes);
    window()->close();
    QCOMPARE(m_rig->prompter.texts(), QStringList{QStringLiteral("确实想退出Qintara吗？")});
    QCOMPARE(m_rig->prompter.asked().first().title, QStringLiteral("Qintara"));
    QCOMPARE(m_rig->prompter.asked().first().icon, Prompter::Icon::Question);
    QCOMPARE(m_rig->prompter.asked().first().buttons, Prompter::Buttons::YesNo);
    QTRY_VERIFY(m_rig->window().isNull()); // released
    const std::optional<Settings> saved = LoadSettings(settingsFile(), ProgramFolder(m_folder->path()));
    QVERIFY(saved);
    QCOMPARE(*saved, m_rig->session.settings);
}

void tst_MainWindow::quitNoTouchesNothing()
{
    makeWindow();
    m_rig->session.settings.Window = 0; // would change the file if it were written
    const QByteArray bytes = m_folder->read(QStringLiteral("user/default/Deplog.ini"));
    const QDateTime modified = QFileInfo(settingsFile()).lastModified();
    m_rig->prompter.answerNext(Prompter::Answer::No);
    QTest::mouseClick(window()->captionBar()->closeButton(), Qt::LeftButton);
    QCOMPARE(m_rig->prompter.texts().size(), 1);
    QVERIFY(!m_rig->window().isNull());
    QVERIFY(window()->isVisible());
    QCOMPARE(m_folder->read(QStringLiteral("user/default/Deplog.ini")), bytes);
    QCOMPARE(QFileInfo(settingsFile()).lastModified(), modified);
    CaptionButton *close = window()->captionBar()->closeButton();
    QCOMPARE(close->shownPicture().toImage(), close->normalPicture().toImage());
}

void tst_MainWindow::quitStoresTheArticlePlace()
{
    makeWindow();
    Exercise &exercise = window()->Frame9()->exercise();
    exercise.articles().english = true;
    exercise.articles().currentEnglish = QStringLiteral("english/c.lmf");
    exercise.setCount(Exercise::Counter::Input, 120);
    m_rig->prompter.answerNext(Prompter::Answer::Yes);
    window()->close();
    QTRY_VERIFY(m_rig->window().isNull());
    const std::optional<Settings> saved = LoadSettings(settingsFile(), ProgramFolder(m_folder->path()));
    QVERIFY(saved);
    QCOMPARE(saved->Earticle, QStringLiteral("english/c.lmf"));
    QCOMPARE(saved->Eplace, 121);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
