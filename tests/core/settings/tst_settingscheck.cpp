// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/IniFile.h"
#include "core/settings/SettingsCheck.h"
#include "core/settings/SettingsFile.h"

#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QDir>
#include <QTest>

#include <memory>

class tst_SettingsCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loginRepairs_data();
    void loginRepairs();
    void passwordOnlyFileLogsIn();
    void inputMethodFallsBackToPinyin();
    void noInputMethodEndsProgram();

private:
    std::unique_ptr<TestFolder> m_folder;
};

// A program folder with one skin, both input methods and a tune.
void tst_SettingsCheck::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->makeFolder("skins/blue");
    m_folder->makeFolder("chinese/五笔");
    m_folder->makeFolder("chinese/拼音");
    m_folder->write("Music/Waltz.mid", "MThd");
}

// One value in the file of a user, then a login (load and check) and a quit
// (save): the value the file holds afterwards.
void tst_SettingsCheck::loginRepairs_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("afterLogin");

    QTest::newRow("skin folder kept") << "skin" << "Skinpath" << "blue" << "blue";
    QTest::newRow("skin folder in other case kept") << "skin" << "Skinpath" << "BLUE" << "BLUE";
    QTest::newRow("deleted skin") << "skin" << "Skinpath" << "green" << "";
    QTest::newRow("skin outside the skins folder") << "skin" << "Skinpath" << ".." << "";
    QTest::newRow("BackMusic 2") << "music" << "BackMusic" << "2" << "1";
    QTest::newRow("BackMusic 0 kept") << "music" << "BackMusic" << "0" << "0";
    QTest::newRow("empty music path") << "music" << "BackMusicpath" << ""
                                      << "@PROGRAM@/Music/Waltz.mid";
    QTest::newRow("KeyMusic 2") << "music" << "KeyMusic" << "2" << "0";
    QTest::newRow("MusicInst not checked") << "music" << "MusicInst" << "300" << "300";
    QTest::newRow("CueMusic 7") << "music" << "CueMusic" << "7" << "1";
    QTest::newRow("EWordRecite 0 kept") << "other" << "EWordRecite" << "0" << "0";
    QTest::newRow("CWbzgDemand -1") << "other" << "CWbzgDemand" << "-1" << "1";
    QTest::newRow("CAWordCue not checked") << "other" << "CAWordCue" << "5" << "5";
    QTest::newRow("deleted input method") << "other" << "InputMeans" << "郑码" << "五笔";
    QTest::newRow("empty input method") << "other" << "InputMeans" << "" << "五笔";
    QTest::newRow("input method kept") << "other" << "InputMeans" << "拼音" << "拼音";
    QTest::newRow("Window 2") << "other" << "Window" << "2" << "1";
    QTest::newRow("RightColor 0") << "other" << "RightColor" << "0" << "16711680";
    QTest::newRow("ErrorColor 0") << "other" << "ErrorColor" << "0" << "255";
    QTest::newRow("system colour kept") << "other" << "ErrorColor" << "-2147483643" << "-2147483643";
    QTest::newRow("Speed 0") << "other" << "Speed" << "0" << "170";
    QTest::newRow("Speed not a number") << "other" << "Speed" << "fast" << "170";
    QTest::newRow("empty Voice") << "other" << "Voice" << "" << "女声";
    QTest::newRow("ReciteKey F5 kept") << "other" << "ReciteKey" << "116" << "116";
    QTest::newRow("ReciteKey 200") << "other" << "ReciteKey" << "200" << "114";
    QTest::newRow("ReciteKey F1") << "other" << "ReciteKey" << "112" << "114";
    QTest::newRow("CueKey F12 kept") << "other" << "CueKey" << "123" << "123";
    QTest::newRow("CueKey 124") << "other" << "CueKey" << "124" << "113";
    QTest::newRow("built-in input on kept") << "other" << "内置输入法" << "开" << "开";
    QTest::newRow("built-in input off kept") << "other" << "内置输入法" << "关" << "关";
    QTest::newRow("built-in input unknown") << "other" << "内置输入法" << "on" << "自动";
    QTest::newRow("built-in input missing") << "other" << "内置输入法" << "" << "自动";
    QTest::newRow("Letter 3") << "exercise" << "Letter" << "3" << "0";
    QTest::newRow("Letter -1") << "exercise" << "Letter" << "-1" << "0";
    QTest::newRow("Letter 2 kept") << "exercise" << "Letter" << "2" << "2";
    QTest::newRow("MaxTss half to even") << "play" << "MaxTss" << "4.5" << "4";
    QTest::newRow("Eplace 0") << "exercise" << "Eplace" << "0" << "1";
    QTest::newRow("Eplace negative") << "exercise" << "Eplace" << "-3" << "1";
    QTest::newRow("Eplace past 32767 kept") << "exercise" << "Eplace" << "40000" << "40000";
    QTest::newRow("Cplace 0") << "exercise" << "Cplace" << "0" << "1";
}

void tst_SettingsCheck::loginRepairs()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, afterLogin);
    const ProgramFolder program(m_folder->path());
    const QString file = m_folder->file("Deplog.ini");
    Settings created;
    DefaultSettings(created, program);
    QVERIFY(SaveSettings(created, file, program));
    QVERIFY(IniWrite(section, key, stored, file));

    std::optional<Settings> settings = LoadSettings(file, program);
    QVERIFY(settings);
    ScriptedPrompter prompter;
    QCOMPARE(CheckSettings(*settings, program, prompter), SettingsCheck::Continue);
    QVERIFY(prompter.asked().isEmpty());
    QVERIFY(SaveSettings(*settings, file, program));

    QCOMPARE(IniRead(section, key, file), QString(afterLogin).replace("@PROGRAM@", program.root()));
}

// An account whose creation stopped after the password was written.
void tst_SettingsCheck::passwordOnlyFileLogsIn()
{
    const ProgramFolder program(m_folder->path());
    m_folder->write("Deplog.ini", "[user]\r\npassword=959\r\n");
    std::optional<Settings> settings = LoadSettings(m_folder->file("Deplog.ini"), program);
    QVERIFY(settings);
    QCOMPARE(*settings, Settings());

    ScriptedPrompter prompter;
    QCOMPARE(CheckSettings(*settings, program, prompter), SettingsCheck::Continue);
    QCOMPARE(settings->InputMeans, QString("五笔"));
    QCOMPARE(settings->BackMusicpath, program.root() + "/Music/Waltz.mid");
    QCOMPARE(settings->Speed, 170);
    QCOMPARE(settings->Voice, QString("女声"));
    QCOMPARE(settings->ReciteKey, 114);
    QCOMPARE(settings->Eplace, 1);
    QCOMPARE(settings->CueMusic, 0);
}

void tst_SettingsCheck::inputMethodFallsBackToPinyin()
{
    QVERIFY(QDir(m_folder->file("chinese")).rmdir("五笔"));
    Settings settings;
    settings.InputMeans = QStringLiteral("五笔");
    ScriptedPrompter prompter;
    QCOMPARE(CheckSettings(settings, ProgramFolder(m_folder->path()), prompter), SettingsCheck::Continue);
    QCOMPARE(settings.InputMeans, QString("拼音"));
    QVERIFY(prompter.asked().isEmpty());
}

void tst_SettingsCheck::noInputMethodEndsProgram()
{
    QVERIFY(QDir(m_folder->file("chinese")).removeRecursively());
    Settings settings;
    settings.InputMeans = QStringLiteral("郑码");
    ScriptedPrompter prompter;
    QCOMPARE(CheckSettings(settings, ProgramFolder(m_folder->path()), prompter),
             SettingsCheck::EndProgram);
    QCOMPARE(prompter.asked().size(), 1);
    const ScriptedPrompter::Asked &box = prompter.asked().first();
    QCOMPARE(box.text, QString("没有输入法支持文件，请重新安装软件！"));
    QCOMPARE(box.title, QString("软件不能启动"));
    QCOMPARE(box.icon, Prompter::Icon::Error);
    QCOMPARE(box.buttons, Prompter::Buttons::Ok);
}

QTEST_GUILESS_MAIN(tst_SettingsCheck)
#include "tst_settingscheck.moc"
