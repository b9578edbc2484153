// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/PlaylistWindow.h"

#include "core/settings/Settings.h"
#include "gui/app/WindowLook.h"
#include "gui/sound/PlaylistWindowController.h"
#include "widgets/KorvelButton.h"

#include "LockedFolder.h"
#include "ScriptedFileChooser.h"
#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <memory>

class tst_PlaylistWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheButtonsAndTheEntries();
    void addFiles_data();
    void addFiles();
    void deleteFile();
    void moveAndClear_data();
    void moveAndClear();
    void loadList_data();
    void loadList();
    void saveList();
    void saveEmptyListIsRefused_data();
    void saveEmptyListIsRefused();
    void saveToALockedFolder();
    void okMakesTheListTheMusic();
    void cancelChangesNothing();
    void playlistPathTooLongIsNotChosen();

private:
    void open(const QStringList &entries);
    void click(const QString &button) const;
    QListWidget *list() const;
    QStringList shown() const;
    // Runs answer on the playlist window once exec() shows it.
    void whenShown(const std::function<void(PlaylistWindow *)> &answer);

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<ScriptedFileChooser> m_chooser;
    std::unique_ptr<PlaylistWindow> m_window;
};

void tst_PlaylistWindow::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_chooser = std::make_unique<ScriptedFileChooser>();
}

void tst_PlaylistWindow::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void tst_PlaylistWindow::open(const QStringList &entries)
{
    m_window = std::make_unique<PlaylistWindow>(entries, *m_prompter, *m_chooser, WindowLook::builtIn());
    m_window->show();
}

void tst_PlaylistWindow::click(const QString &button) const
{
    auto *control = m_window->findChild<KorvelButton *>(button);
    QVERIFY2(control, qPrintable(button));
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

QListWidget *tst_PlaylistWindow::list() const
{
    return m_window->findChild<QListWidget *>(QStringLiteral("List1"));
}

QStringList tst_PlaylistWindow::shown() const
{
    QStringList texts;
    for (int row = 0; row < list()->count(); ++row)
        texts.append(list()->item(row)->text());
    return texts;
}

void tst_PlaylistWindow::whenShown(const std::function<void(PlaylistWindow *)> &answer)
{
    QTimer::singleShot(0, this, [answer] {
        auto *window = qobject_cast<PlaylistWindow *>(QApplication::activeModalWidget());
        QVERIFY(window);
        answer(window);
    });
}

void tst_PlaylistWindow::showsTheButtonsAndTheEntries()
{
    open({"/m/a.mid", "/m/a very long folder name/b.mp3"});
    QCOMPARE(m_window->objectName(), QString("music"));
    QCOMPARE(m_window->windowTitle(), QString("背景音乐列表"));
    const QStringList captions = {"添加文件", "删除文件", "读取列表", "保存列表", "上移↑↑",
                                  "下移↓↓",   " 清    除", " 确    定", "取    消"};
    QStringList found;
    for (const KorvelButton *button : m_window->findChildren<KorvelButton *>())
        found.append(button->text());
    for (const QString &caption : captions)
        QVERIFY2(found.contains(caption), qPrintable(caption));
    QCOMPARE(shown(), QStringList({"/m/a.mid", "/m/a very long folder name/b.mp3"}));
    QCOMPARE(list()->currentRow(), -1);
    // Pointing at an entry shows it whole.
    QCOMPARE(list()->item(1)->toolTip(), QString("/m/a very long folder name/b.mp3"));
}

void tst_PlaylistWindow::addFiles_data()
{
    QTest::addColumn<std::optional<QStringList>>("chosen");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("one file") << std::optional<QStringList>(QStringList{"/音乐/欢乐颂.mid"})
                              << QStringList{"/old.wav", "/音乐/欢乐颂.mid"};
    QTest::newRow("three files of one folder")
        << std::optional<QStringList>(QStringList{"/m/a.mid", "/m/b.mp3", "/m/c.wav"})
        << QStringList{"/old.wav", "/m/a.mid", "/m/b.mp3", "/m/c.wav"};
    QTest::newRow("cancelled") << std::optional<QStringList>() << QStringList{"/old.wav"};
}

void tst_PlaylistWindow::addFiles()
{
    QFETCH(std::optional<QStringList>, chosen);
    QFETCH(QStringList, entries);
    open({"/old.wav"});
    m_chooser->answerNextFiles(chosen);
    click("addFiles");
    QCOMPARE(m_chooser->asked().size(), 1);
    const ScriptedFileChooser::Asked asked = m_chooser->asked().first();
    QCOMPARE(asked.title, QString("选择文件"));
    QCOMPARE(asked.kind, ScriptedFileChooser::Kind::OpenMany);
    QCOMPARE(asked.nameFilters, QStringList({"(*.mid)", "(*.wav)", "(*.mp3)", "(*.cda)"}));
    QCOMPARE(asked.nameFilters.at(asked.preselected), QString("(*.mp3)"));
    QCOMPARE(shown(), entries);
    QCOMPARE(m_window->entries(), entries);
}

void tst_PlaylistWindow::deleteFile()
{
    open({"/a", "/b", "/c"});
    click("deleteFile"); // nothing selected
    QCOMPARE(shown(), QStringList({"/a", "/b", "/c"}));
    list()->setCurrentRow(1);
    click("deleteFile");
    QCOMPARE(shown(), QStringList({"/a", "/c"}));
    QCOMPARE(list()->currentRow(), 1);
    click("deleteFile");
    QCOMPARE(shown(), QStringList({"/a"}));
    QCOMPARE(list()->currentRow(), 0);
}

void tst_PlaylistWindow::moveAndClear_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("first up does nothing") << 0 << "moveUp" << QStringList{"/a", "/b", "/c"} << 0;
    QTest::newRow("middle up") << 1 << "moveUp" << QStringList{"/b", "/a", "/c"} << 0;
    QTest::newRow("last up") << 2 << "moveUp" << QStringList{"/a", "/c", "/b"} << 1;
    QTest::newRow("last down does nothing") << 2 << "moveDown" << QStringList{"/a", "/b", "/c"} << 2;
    QTest::newRow("first down") << 0 << "moveDown" << QStringList{"/b", "/a", "/c"} << 1;
    QTest::newRow("up with nothing selected") << -1 << "moveUp" << QStringList{"/a", "/b", "/c"} << -1;
    QTest::newRow("down with nothing selected") << -1 << "moveDown" << QStringList{"/a", "/b", "/c"} << -1;
    QTest::newRow("clear") << 1 << "clearList" << QStringList() << -1;
}

void tst_PlaylistWindow::moveAndClear()
{
    QFETCH(int, selected);
    QFETCH(QString, button);
    QFETCH(QStringList, entries);
    QFETCH(int, selectedAfter);
    open({"/a", "/b", "/c"});
    list()->setCurrentRow(selected);
    click(button);
    QCOMPARE(shown(), entries);
    QCOMPARE(list()->currentRow(), selectedAfter);
}

void tst_PlaylistWindow::loadList_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("file"); // in the test folder; empty: cancelled
    QTest::addColumn<QList<Prompter::Answer>>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("after");

    const QList<Prompter::Answer> none;
    QTest::newRow("into an empty list, no question")
        << QStringList() << "lists/gaps.m3u" << none << false << QStringList{"/x/1.mid", "/x/2.mp3"};
    QTest::newRow("append")
        << QStringList{"/a"} << "lists/gaps.m3u" << QList<Prompter::Answer>{Prompter::Answer::Yes} << true
        << QStringList{"/a", "/x/1.mid", "/x/2.mp3"};
    QTest::newRow("replace")
        << QStringList{"/a"} << "lists/gaps.m3u" << QList<Prompter::Answer>{Prompter::Answer::No} << true
        << QStringList{"/x/1.mid", "/x/2.mp3"};
    QTest::newRow("cancelled") << QStringList{"/a"} << QString() << none << false << QStringList{"/a"};
    QTest::newRow("unreadable list after No leaves the list empty")
        << QStringList{"/a"} << "lists/missing.m3u" << QList<Prompter::Answer>{Prompter::Answer::No} << true
        << QStringList();
}

void tst_PlaylistWindow::loadList()
{
    QFETCH(QStringList, before);
    QFETCH(QString, file);
    QFETCH(QList<Prompter::Answer>, answers);
    QFETCH(bool, asked);
    QFETCH(QStringList, after);
    m_folder->write("lists/gaps.m3u", "\r\n/x/1.mid\r\n\r\n\r\n/x/2.mp3\r\n\r\n");
    open(before);
    m_chooser->answerNext(file.isEmpty() ? std::nullopt : std::optional<QString>(m_folder->file(file)));
    for (Prompter::Answer answer : answers)
        m_prompter->answerNext(answer);
    click("loadList");
    QCOMPARE(m_chooser->asked().size(), 1);
    QCOMPARE(m_chooser->asked().first().nameFilters, QStringList({"(*.m3u)"}));
    QCOMPARE(m_prompter->asked().size(), asked ? 1 : 0);
    if (asked) {
        const ScriptedPrompter::Asked question = m_prompter->asked().first();
        QCOMPARE(question.text, QString("您是否想在当前列表中追加文件吗？"));
        QCOMPARE(question.title, QString("提示"));
        QCOMPARE(question.icon, Prompter::Icon::Question);
        QCOMPARE(question.buttons, Prompter::Buttons::YesNo);
    }
    QCOMPARE(shown(), after);
}

void tst_PlaylistWindow::saveList()
{
    open({"/home/anna/音乐/欢乐颂.mid", "/home/anna/b.mp3"});
    m_chooser->answerNext(std::nullopt);
    click("saveList"); // cancelled: nothing written, nothing said
    QCOMPARE(m_prompter->asked().size(), 0);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList());

    m_chooser->answerNext(m_folder->file("mine.m3u"));
    click("saveList");
    QCOMPARE(m_chooser->asked().size(), 2);
    QCOMPARE(m_chooser->asked().last().kind, ScriptedFileChooser::Kind::Save);
    QCOMPARE(m_chooser->asked().last().nameFilters, QStringList({"(*.m3u)"}));
    QCOMPARE(m_prompter->asked().size(), 0);
    QCOMPARE(m_folder->read("mine.m3u"), readFixture("sound/playlists/saved.m3u"));
}

void tst_PlaylistWindow::saveEmptyListIsRefused_data()
{
    QTest::addColumn<bool>("cleared"); // emptied in the window rather than opened empty
    QTest::newRow("opened empty") << false;
    QTest::newRow("cleared") << true;
}

void tst_PlaylistWindow::saveEmptyListIsRefused()
{
    QFETCH(bool, cleared);
    open(cleared ? QStringList{"/a.mid"} : QStringList());
    if (cleared)
        click("clearList");
    m_chooser->answerNext(m_folder->file("empty.m3u"));
    click("saveList");
    QCOMPARE(m_chooser->asked().size(), 0);
    QCOMPARE(m_prompter->asked().size(), 1);
    QCOMPARE(m_prompter->asked().first().text, QString("列表框内无文件！"));
    QCOMPARE(m_prompter->asked().first().title, QString("提示"));
    QCOMPARE(m_prompter->asked().first().icon, Prompter::Icon::Error);
    QVERIFY(!QFile::exists(m_folder->file("empty.m3u")));
}

void tst_PlaylistWindow::saveToALockedFolder()
{
    m_folder->write("lists/old.m3u", "/old.mid\r\n");
    LockedFolder locked(m_folder->file("lists"));
    if (!locked.locked())
        QSKIP("this system cannot lock a folder");
    open({"/new.mid"});
    m_chooser->answerNext(m_folder->file("lists/old.m3u"));
    click("saveList");
    QCOMPARE(m_prompter->texts(), QStringList({"该文件正在使用禁止修改！"}));
    QCOMPARE(m_prompter->asked().first().icon, Prompter::Icon::Error);
    QCOMPARE(m_folder->read("lists/old.m3u"), QByteArray("/old.mid\r\n"));
}

void tst_PlaylistWindow::okMakesTheListTheMusic()
{
    m_folder->write("user/anna/temp.m3u", "/m/a.mid\r\n\r\n/m/b.mp3\r\n\r\n");
    Settings settings;
    settings.BackMusicpath = m_folder->file("program/Music/a.mid");
    QStringList played;
    PlaylistWindowController controller(m_folder->file("user/anna"), settings, ProgramFolder(m_folder->file("program")),
                                        {*m_prompter, *m_chooser, [&](const QString &file) { played.append(file); }},
                                        WindowLook::builtIn());
    QStringList opened;
    whenShown([&](PlaylistWindow *window) {
        m_window.reset(window); // for click(); released again below
        opened = shown();
        list()->setCurrentRow(1);
        click("moveUp");
        click(QStringLiteral("okButton"));
        (void)m_window.release();
    });
    const std::optional<QString> chosen = controller.exec();

    QCOMPARE(opened, QStringList({"/m/a.mid", "/m/b.mp3"}));
    QCOMPARE(chosen, std::optional<QString>(m_folder->file("user/anna/temp.m3u")));
    QCOMPARE(played, QStringList({"0"}));
    QCOMPARE(settings.BackMusicpath, QString("0"));
    QCOMPARE(m_folder->read("user/anna/temp.m3u"), QByteArray("/m/b.mp3\r\n/m/a.mid\r\n\r\n"));
    QCOMPARE(m_prompter->asked().size(), 0);
}

void tst_PlaylistWindow::cancelChangesNothing()
{
    m_folder->makeFolder("user/anna");
    Settings settings;
    settings.BackMusicpath = QStringLiteral("/m/a.mid");
    QStringList played;
    PlaylistWindowController controller(m_folder->file("user/anna"), settings, ProgramFolder(m_folder->path()),
                                        {*m_prompter, *m_chooser, [&](const QString &file) { played.append(file); }},
                                        WindowLook::builtIn());
    QStringList opened;
    whenShown([&](PlaylistWindow *window) {
        m_window.reset(window);
        opened = shown();
        m_chooser->answerNextFiles(QStringList{"/m/c.wav"});
        click("addFiles");
        click("cancelButton");
        (void)m_window.release();
    });
    QCOMPARE(controller.exec(), std::nullopt);
    QCOMPARE(opened, QStringList()); // no user playlist yet: an empty window
    QCOMPARE(played, QStringList());
    QCOMPARE(settings.BackMusicpath, QString("/m/a.mid"));
    QVERIFY(!QFile::exists(m_folder->file("user/anna/temp.m3u")));
}

void tst_PlaylistWindow::playlistPathTooLongIsNotChosen()
{
    // Outside the program folder and longer than a settings value holds.
    const QString userFolder = m_folder->file(QString(140, QLatin1Char('u')));
    m_folder->makeFolder(QString(140, QLatin1Char('u')));
    Settings settings;
    settings.BackMusicpath = QStringLiteral("/m/a.mid");
    QStringList played;
    PlaylistWindowController controller(userFolder, settings, ProgramFolder(m_folder->file("program")),
                                        {*m_prompter, *m_chooser, [&](const QString &file) { played.append(file); }},
                                        WindowLook::builtIn());
    whenShown([](PlaylistWindow *window) { window->accept(); });
    QCOMPARE(controller.exec(), std::nullopt);
    QCOMPARE(m_prompter->asked().size(), 1);
    QVERIFY(m_prompter->asked().first().text.contains(QDir::toNativeSeparators(userFolder)));
    QCOMPARE(played, QStringList());
    QCOMPARE(settings.BackMusicpath, QString("/m/a.mid"));
}

QTEST_MAIN(tst_PlaylistWindow)
#include "tst_playlistwindow.moc"
