// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/AccountsLocation.h"
#include "gui/app/CaptionBar.h"
#include "gui/app/CaptionButton.h"
#include "gui/app/MainMenuBar.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolBand.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/UserManagerDialog.h"
#include "gui/users/WindowRim.h"
#include "widgets/DropDownPanel.h"
#include "widgets/KorvelButton.h"
#include "widgets/MenuButton.h"

#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QCheckBox>
#include <QTest>

namespace {

// The colour in the middle of a picture.
QColor middleColour(const QPixmap &picture)
{
    const QImage image = picture.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

const QColor skinWindow(51, 51, 51);

} // namespace

class tst_MainSkin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noSkin_data();
    void noSkin();
    void skinDressesTheWindow();
    void brokenSkin_data();
    void brokenSkin();
    void brokenButtonColourStillDresses();
    void choosingSkins();
    void dialogOpenedAfterASwitch();
    void buttonsSoundFromTheProgramFolder();

private:
    void makeWindow(const QString &skinpath);
    void verifyBuiltInLook() const;
    MainWindow *window() const { return m_rig->window(); }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<MainWindowRig> m_rig;
};

void tst_MainSkin::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->makeFolder(QStringLiteral("chinese/五笔"));
    m_folder->copyFixture(QStringLiteral("skins/program"));
    m_folder->write(QStringLiteral("resources/over.wav"), "RIFF");
}

void tst_MainSkin::cleanup()
{
    m_rig.reset();
    m_folder.reset();
}

void tst_MainSkin::makeWindow(const QString &skinpath)
{
    m_rig = std::make_unique<MainWindowRig>(m_folder->path(), m_folder->file(QStringLiteral("user/default")));
    m_rig->session.settings.Skinpath = skinpath;
    QVERIFY(m_rig->open({.wait = MainWindowRig::Wait::Exposed}));
}

void tst_MainSkin::verifyBuiltInLook() const
{
    QVERIFY(!window()->SkinLoaded());
    const WindowPictures builtIn = WindowPictures::builtIn();
    QCOMPARE(window()->captionBar()->captionPicture().toImage(), builtIn.caption.toImage());
    QCOMPARE(window()->look().pictures.rimRight.toImage(), builtIn.rimRight.toImage());
    QCOMPARE(window()->palette().color(QPalette::Window), QColor(249, 247, 242));
    QCOMPARE(window()->captionBar()->titleColor(), QColor(Qt::white));
    QCOMPARE(window()->toolBand()->backColor(), QColor(249, 247, 242));
    QCOMPARE(window()->menuBar()->panel(1)->sheetColor(), QColor(Qt::white));
}

void tst_MainSkin::noSkin_data()
{
    QTest::addColumn<QString>("skinpath");
    QTest::newRow("empty Skinpath") << "";
    QTest::newRow("no such skin folder") << "gone";
    QTest::newRow("no Button_XpStyle") << "noxpstyle";
}

// Nothing is applied and nothing is said; Skinpath stays as it was.
void tst_MainSkin::noSkin()
{
    QFETCH(QString, skinpath);
    makeWindow(skinpath);
    verifyBuiltInLook();
    QVERIFY(m_rig->prompter.asked().isEmpty());
    QCOMPARE(m_rig->session.settings.Skinpath, skinpath);
}

void tst_MainSkin::skinDressesTheWindow()
{
    makeWindow(QStringLiteral("湖蓝"));
    QVERIFY(m_rig->prompter.asked().isEmpty());
    QVERIFY(window()->SkinLoaded());

    CaptionBar *caption = window()->captionBar();
    QCOMPARE(middleColour(caption->captionPicture()), QColor(10, 20, 30));
    QCOMPARE(middleColour(caption->aboutButton()->normalPicture()), QColor(40, 0, 0));
    QCOMPARE(middleColour(caption->aboutButton()->hoverPicture()), QColor(41, 0, 0));
    QCOMPARE(middleColour(caption->minimiseButton()->normalPicture()), QColor(50, 0, 0));
    QCOMPARE(middleColour(caption->closeButton()->hoverPicture()), QColor(61, 0, 0));
    const WindowPictures &rims = window()->look().pictures;
    QCOMPARE(middleColour(rims.rimLeft), QColor(70, 0, 0));
    QCOMPARE(middleColour(rims.rimRight), QColor(74, 0, 0)); // "Rim_Right.PNG" on disk
    QCOMPARE(caption->titleColor(), QColor(255, 255, 0));

    // The rim is painted in its pictures around the window colour.
    const QImage face = window()->grab().toImage();
    const qreal ratio = face.devicePixelRatio();
    QCOMPARE(face.pixelColor(QPoint(1, window()->height() / 2) * ratio), QColor(70, 0, 0));
    QCOMPARE(face.pixelColor(QPoint(window()->width() / 2, window()->height() - 2) * ratio), QColor(72, 0, 0));

    QCOMPARE(window()->palette().color(QPalette::Window), skinWindow);
    // Check boxes and labels take the label colour.
    QCheckBox *box = window()->findChild<QCheckBox *>();
    QVERIFY(box);
    QCOMPARE(box->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(window()->toolBand()->backColor(), skinWindow);
    QCOMPARE(window()->toolBand()->button(0)->backColor(), skinWindow);
    QCOMPARE(window()->toolBand()->button(0)->xpColorHover(), QColor(224, 224, 224));
    QCOMPARE(window()->menuBar()->panel(3)->sheetColor(), QColor(1, 0, 0));
    // A title sits on the window colour while idle.
    MenuButton *title = window()->menuBar()->title(2);
    const QImage idle = title->grab().toImage();
    QCOMPARE(idle.pixelColor(1, 1), skinWindow);
    // Fixed in every look: the chart frame is white.
    QCOMPARE(window()->Frame11()->palette().color(QPalette::Window), QColor(Qt::white));
}

void tst_MainSkin::brokenSkin_data()
{
    QTest::addColumn<QString>("skinpath");
    QTest::newRow("a rim picture is missing") << "norim";
    QTest::newRow("a menu colour is not a number") << "badcolour";
}

// One message, the built-in look, and the skin is not tried at the next start.
void tst_MainSkin::brokenSkin()
{
    QFETCH(QString, skinpath);
    makeWindow(skinpath);
    QCOMPARE(m_rig->prompter.asked().size(), 1);
    const ScriptedPrompter::Asked &asked = m_rig->prompter.asked().first();
    QCOMPARE(asked.text, QStringLiteral("不能加载 ") + skinpath + QStringLiteral(" 文件！"));
    QCOMPARE(asked.title, QStringLiteral("皮肤文件错误"));
    QCOMPARE(asked.icon, Prompter::Icon::Information);
    verifyBuiltInLook();
    QCOMPARE(m_rig->session.settings.Skinpath, QString());
}

void tst_MainSkin::brokenButtonColourStillDresses()
{
    makeWindow(QStringLiteral("oddbutton"));
    QVERIFY(m_rig->prompter.asked().isEmpty());
    QVERIFY(window()->SkinLoaded());
    QCOMPARE(window()->palette().color(QPalette::Window), skinWindow);
    QVERIFY(!window()->look().colors.buttonHover.isValid());
}

void tst_MainSkin::choosingSkins()
{
    makeWindow(QString());
    window()->chooseSkin(QStringLiteral("湖蓝"));
    QVERIFY(window()->SkinLoaded());
    QCOMPARE(m_rig->session.settings.Skinpath, QStringLiteral("湖蓝"));
    QCOMPARE(window()->palette().color(QPalette::Window), skinWindow);

    // A description that cannot be read leaves the look, though Skinpath names it.
    window()->chooseSkin(QStringLiteral("noxpstyle"));
    QCOMPARE(m_rig->session.settings.Skinpath, QStringLiteral("noxpstyle"));
    QVERIFY(window()->SkinLoaded());
    QCOMPARE(middleColour(window()->captionBar()->captionPicture()), QColor(10, 20, 30));

    window()->chooseSkin(QString());
    QCOMPARE(m_rig->session.settings.Skinpath, QString());
    verifyBuiltInLook();
    QVERIFY(m_rig->prompter.asked().isEmpty());
}

// A dialog takes the look the main window has when it opens.
void tst_MainSkin::dialogOpenedAfterASwitch()
{
    makeWindow(QString());
    window()->chooseSkin(QStringLiteral("湖蓝"));
    {
        UserManagerDialog dialog(AccountsLocation::inProgramFolder(window()->programFolder()), m_rig->session.userFolder, m_rig->prompter,
                                 window()->look(), window());
        QCOMPARE(middleColour(dialog.findChild<TitleStrip *>()->picture()), QColor(10, 20, 30));
        QCOMPARE(dialog.findChild<TitleStrip *>()->titleColor(), QColor(255, 255, 0));
        QCOMPARE(middleColour(dialog.findChild<WindowRim *>()->look().pictures.rimBottom), QColor(72, 0, 0));
        const QList<KorvelButton *> buttons = dialog.findChildren<KorvelButton *>();
        QCOMPARE(buttons.size(), 3);
        for (KorvelButton *button : buttons) {
            QCOMPARE(button->backColor(), QColor(255, 0, 0));
            QCOMPARE(button->foreColor(), QColor(255, 255, 255));
            QCOMPARE(button->xpColorHover(), QColor(0, 0, 255));
            QCOMPARE(button->xpColorPressed(), QColor(128, 128, 128));
            QVERIFY(button->xpStyle());
            QVERIFY(!button->xpWinStyle());
        }
    }
    window()->chooseSkin(QString());
    UserManagerDialog dialog(AccountsLocation::inProgramFolder(window()->programFolder()), m_rig->session.userFolder, m_rig->prompter, window()->look(),
                             window());
    QCOMPARE(dialog.findChild<TitleStrip *>()->picture().toImage(), WindowPictures::builtIn().caption.toImage());
    for (KorvelButton *button : dialog.findChildren<KorvelButton *>()) {
        QVERIFY(button->xpStyle());
        QVERIFY(button->xpWinStyle());
        QCOMPARE(button->backColor(), button->palette().color(QPalette::Button));
    }
}

void tst_MainSkin::buttonsSoundFromTheProgramFolder()
{
    makeWindow(QString());
    KorvelButton *button = window()->toolBand()->button(ToolBand::Help);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(m_rig->sound.played(),
             QStringList{QStringLiteral("play ") + m_folder->file(QStringLiteral("resources/over.wav"))});
}

QTEST_MAIN(tst_MainSkin)
#include "tst_mainskin.moc"
