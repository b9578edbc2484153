// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/IniFile.h"
#include "core/settings/SettingsFile.h"
#include "core/users/FirstAccountLogin.h"

#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QDir>
#include <QTest>

class tst_FirstAccountLogin : public QObject
{
    Q_OBJECT

private slots:
    void createsTheDefaultAccount();
    void logsInTheFirstAccountByName();
    void missingInputMethodsEndTheProgram();
    void accountWithoutSettingsFileEndsTheProgram();
};

void tst_FirstAccountLogin::createsTheDefaultAccount()
{
    TestFolder folder;
    folder.makeFolder(QStringLiteral("chinese/五笔"));
    folder.write(QStringLiteral("Music/tune.mid"), "MThd");
    ScriptedPrompter prompter;

    const auto session = loginFirstAccount(ProgramFolder(folder.path()), prompter);
    QVERIFY(session);
    QVERIFY(prompter.asked().isEmpty());
    QCOMPARE(QDir(session->userFolder).dirName(), QStringLiteral("default"));
    const QString file = folder.file(QStringLiteral("user/default/Deplog.ini"));
    QVERIFY(QFile::exists(file));
    // An empty password, stored as the empty scrambled value, comes first.
    QVERIFY(folder.read(QStringLiteral("user/default/Deplog.ini")).startsWith("[user]\r\npassword=\r\n"));
    QCOMPARE(IniRead(QStringLiteral("user"), QStringLiteral("password"), file), QString());
    // A new user's settings, loaded and checked as at every login.
    QCOMPARE(session->settings.BackMusic, qint16(1));
    QCOMPARE(session->settings.Window, qint16(1));
    QCOMPARE(session->settings.InputMeans, QStringLiteral("五笔"));
    QCOMPARE(session->settings.Eplace, 1);
    QCOMPARE(session->settings.BackMusicpath, folder.file(QStringLiteral("Music/tune.mid")));
}

void tst_FirstAccountLogin::logsInTheFirstAccountByName()
{
    TestFolder folder;
    folder.makeFolder(QStringLiteral("chinese/五笔"));
    const ProgramFolder programFolder(folder.path());
    for (const QString &name : {QStringLiteral("bob"), QStringLiteral("alice")}) {
        Settings settings;
        DefaultSettings(settings, programFolder);
        settings.Window = name == u"alice" ? 0 : 1;
        folder.makeFolder(QStringLiteral("user/") + name);
        QVERIFY(SaveSettings(settings, folder.file(QStringLiteral("user/%1/Deplog.ini").arg(name))));
    }
    folder.write(QStringLiteral("user/aaa.txt"), "a file, not an account");
    ScriptedPrompter prompter;

    const auto session = loginFirstAccount(programFolder, prompter);
    QVERIFY(session);
    QCOMPARE(QDir(session->userFolder).dirName(), QStringLiteral("alice"));
    QCOMPARE(session->settings.Window, qint16(0));
    QVERIFY(!QDir(folder.file(QStringLiteral("user/default"))).exists());
}

void tst_FirstAccountLogin::missingInputMethodsEndTheProgram()
{
    TestFolder folder;
    ScriptedPrompter prompter;
    QVERIFY(!loginFirstAccount(ProgramFolder(folder.path()), prompter));
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("没有输入法支持文件，请重新安装软件！")});
}

void tst_FirstAccountLogin::accountWithoutSettingsFileEndsTheProgram()
{
    TestFolder folder;
    folder.makeFolder(QStringLiteral("chinese/五笔"));
    folder.makeFolder(QStringLiteral("user/carol"));
    ScriptedPrompter prompter;
    QVERIFY(!loginFirstAccount(ProgramFolder(folder.path()), prompter));
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("已损坏的用户文件！")});
    QCOMPARE(prompter.asked().first().icon, Prompter::Icon::Error);
}

QTEST_GUILESS_MAIN(tst_FirstAccountLogin)
#include "tst_firstaccountlogin.moc"
