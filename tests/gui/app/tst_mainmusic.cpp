// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MainMenus.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolBand.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/sound/PlaylistWindow.h"
#include "widgets/KorvelButton.h"

#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

// The main window's background music: what it plays at start-up, the
// toolbar's sound button, and the music chosen through the settings dialog
// and its playlist window.
class tst_MainMusic : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startUp_data();
    void startUp();
    void soundButtonStopsAndResumes();
    void playlistChosenInTheSettings_data();
    void playlistChosenInTheSettings();

private:
    void makeWindow(qint16 backMusic, const QString &backMusicPath);
    // Runs answer on the modal window of type T once it is shown.
    template<typename T> void whenShown(const std::function<void(T *)> &answer);
    static void clickButton(QWidget *window, const QString &name);
    MainWindow *window() const { return m_rig->window(); }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<MainWindowRig> m_rig;
};

void tst_MainMusic::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->makeFolder(QStringLiteral("chinese/五笔"));
    m_folder->write(QStringLiteral("Music/a.mid"), "MThd");
    m_folder->write(QStringLiteral("Music/b.mid"), "MThd");
}

void tst_MainMusic::cleanup()
{
    m_rig.reset();
    m_folder.reset();
}

void tst_MainMusic::makeWindow(qint16 backMusic, const QString &backMusicPath)
{
    m_rig = std::make_unique<MainWindowRig>(m_folder->path(), m_folder->file(QStringLiteral("user/default")));
    m_rig->session.settings.BackMusic = backMusic;
    m_rig->session.settings.BackMusicpath = backMusicPath;
    QVERIFY(m_rig->open({.wait = MainWindowRig::Wait::None, .music = true}));
}

template<typename T> void tst_MainMusic::whenShown(const std::function<void(T *)> &answer)
{
    QTimer::singleShot(0, this, [answer] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY(window);
        answer(window);
    });
}

void tst_MainMusic::clickButton(QWidget *window, const QString &name)
{
    auto *button = window->findChild<KorvelButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void tst_MainMusic::startUp_data()
{
    QTest::addColumn<qint16>("backMusic");
    QTest::addColumn<QString>("path"); // in the test folder; empty: none
    QTest::addColumn<QString>("played");
    QTest::addColumn<bool>("musicOn");

    QTest::newRow("the chosen file") << qint16(1) << "Music/b.mid" << "play Music/b.mid" << true;
    QTest::newRow("missing file: the first tune") << qint16(1) << "Music/gone.mid" << "play Music/a.mid" << true;
    QTest::newRow("no file: the first tune") << qint16(1) << QString() << "play Music/a.mid" << true;
    QTest::newRow("music off") << qint16(0) << "Music/b.mid" << "stop" << false;
}

void tst_MainMusic::startUp()
{
    QFETCH(qint16, backMusic);
    QFETCH(QString, path);
    QFETCH(QString, played);
    QFETCH(bool, musicOn);
    makeWindow(backMusic, path.isEmpty() ? QString() : m_folder->file(path));
    QCOMPARE(m_rig->music.calls, QStringList({played.replace("play ", "play " + m_folder->path() + "/")}));
    QCOMPARE(window()->shell().musicOn, musicOn);
}

void tst_MainMusic::soundButtonStopsAndResumes()
{
    makeWindow(1, m_folder->file("Music/b.mid"));
    m_rig->music.calls.clear();
    window()->KorvelButton3_Click(ToolBand::Sound);
    QCOMPARE(m_rig->music.calls, QStringList({"stop"}));
    QVERIFY(!window()->shell().musicOn);
    window()->KorvelButton3_Click(ToolBand::Sound);
    QCOMPARE(m_rig->music.calls, QStringList({"stop", "resume"}));
    QVERIFY(window()->shell().musicOn);
}

void tst_MainMusic::playlistChosenInTheSettings_data()
{
    QTest::addColumn<QString>("settingsButton");
    QTest::addColumn<QStringList>("calls"); // <list> for the user playlist
    QTest::addColumn<QString>("backMusicPath");

    QTest::newRow("settings confirmed: the list plays")
        << "okButton" << QStringList{"play 0", "play <list>"} << "<list>";
    QTest::newRow("settings cancelled: the music stays stopped")
        << "cancelButton" << QStringList{"play 0"} << "0";
}

void tst_MainMusic::playlistChosenInTheSettings()
{
    QFETCH(QString, settingsButton);
    QFETCH(QStringList, calls);
    QFETCH(QString, backMusicPath);
    makeWindow(1, m_folder->file("Music/b.mid"));
    m_rig->music.calls.clear();
    const QString list = m_folder->file("user/default/temp.m3u");
    m_rig->files.answerNextFiles(QStringList{"/songs/x.mp3", "/songs/y.mp3"});

    whenShown<SettingsDialog>([&](SettingsDialog *settings) {
        whenShown<PlaylistWindow>([](PlaylistWindow *playlist) {
            clickButton(playlist, "addFiles");
            clickButton(playlist, "okButton");
        });
        auto *music = settings->findChild<QListWidget *>("musicList");
        QListWidgetItem *user = music->findItems(SettingsDialog::userMusicEntry, Qt::MatchExactly).value(0);
        QVERIFY(user);
        music->setCurrentItem(user);
        emit music->itemClicked(user);
        QCOMPARE(settings->findChild<QLabel *>("musicChoice")->text(), "当前选择：" + list);
        clickButton(settings, settingsButton);
    });
    window()->SmartNetXpButtonm_Click(MainMenus::System, MainMenus::SettingsDialog);

    QCOMPARE(m_rig->music.calls, calls.replaceInStrings("<list>", list));
    QCOMPARE(m_rig->session.settings.BackMusicpath, backMusicPath.replace("<list>", list));
    QCOMPARE(m_folder->read("user/default/temp.m3u"), QByteArray("/songs/x.mp3\r\n/songs/y.mp3\r\n\r\n"));
}

QTEST_MAIN(tst_MainMusic)
#include "tst_mainmusic.moc"
