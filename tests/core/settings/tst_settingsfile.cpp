// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/settings/IniFile.h"
#include "core/settings/SettingsFile.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void newUserFileMatchesGolden();
    void windowsFileReadAndWrittenBack();
    void savedTwiceIsByteIdentical();
    void valuesSurviveSaveAndLoad();
    void defaultsLeaveListedFieldsAlone();
    void defaultMusicPath_data();
    void defaultMusicPath();
    void unreadableFile();
    void failedSaveKeepsOldFile();
    void brokenFileIsNeitherLoadedNorSaved_data();
    void brokenFileIsNeitherLoadedNorSaved();
    void longPathComesBack_data();
    void longPathComesBack();
    void relativePathOfAnOlderRunIsFound();
};

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(QINTARA_TEST_DATA_DIR "/settings/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

} // namespace

// The account code writes the password first, then the defaults are saved.
void tst_SettingsFile::newUserFileMatchesGolden()
{
    TestFolder folder;
    folder.write("Music/Waltz.mid", "MThd");
    folder.write("Music/readme.txt", "");
    const ProgramFolder program(folder.path());
    const QString file = folder.file("user/a1/Deplog.ini");
    folder.makeFolder("user/a1");

    QVERIFY(IniWrite("user", "password", "959", file));
    Settings settings;
    DefaultSettings(settings, program);
    QVERIFY(SaveSettings(settings, file, program));

    const QByteArray expected = fixture("new-user.ini").replace("@PROGRAM@", program.root().toUtf8());
    QCOMPARE(folder.read("user/a1/Deplog.ini"), expected);
}

// A file as the Windows program leaves it: GBK, CR LF, a "[Play]" header and
// a value of 140 bytes whose 127-byte cut falls inside a character.
void tst_SettingsFile::windowsFileReadAndWrittenBack()
{
    TestFolder folder;
    folder.write("Deplog.ini", fixture("windows-deplog.ini"));
    const QString file = folder.file("Deplog.ini");
    const ProgramFolder program(folder.path());

    std::optional<Settings> settings = LoadSettings(file, program);
    QVERIFY(settings);
    QCOMPARE(settings->P1Text, 2);
    QCOMPARE(settings->MaxTss, 7);
    QCOMPARE(settings->P3Speed, 3);
    QCOMPARE(settings->Voice, QString("男声"));
    QCOMPARE(settings->ReciteKey, 116);
    QCOMPARE(settings->Cword, QString("常用字.txt"));
    QCOMPARE(settings->Earticle, QString("D:\\Qintara\\article\\english\\The Gift.lmf"));
    QCOMPARE(settings->Eplace, 121);
    // 28 bytes of folder and 56 characters; the cut keeps 49 of them (126
    // bytes) rather than half of the 50th.
    QCOMPARE(settings->Carticle, QString("D:\\Qintara\\articles\\chinese\\"
                                         "春眠不觉晓处处闻啼鸟夜来风雨声花落知多少床前明月光"
                                         "疑是地上霜举头望明月低头思故乡白日依山尽黄河入海"));

    settings->P1Speed = 3;
    QVERIFY(SaveSettings(*settings, file, program));
    QCOMPARE(folder.read("Deplog.ini"), fixture("windows-deplog-saved.ini"));
}

void tst_SettingsFile::savedTwiceIsByteIdentical()
{
    TestFolder folder;
    folder.write("Deplog.ini", fixture("windows-deplog.ini"));
    const QString file = folder.file("Deplog.ini");
    const ProgramFolder program(folder.path());

    QVERIFY(SaveSettings(*LoadSettings(file, program), file, program));
    const QByteArray first = folder.read("Deplog.ini");
    QVERIFY(SaveSettings(*LoadSettings(file, program), file, program));
    QCOMPARE(folder.read("Deplog.ini"), first);
}

void tst_SettingsFile::valuesSurviveSaveAndLoad()
{
    TestFolder folder;
    const QString file = folder.file("Deplog.ini");
    Settings settings;
    settings.ReciteKey = 116;
    settings.RightColor = -2147483643; // a system colour: top bit set
    settings.Eplace = 40000;           // a place far into a long article
    settings.MusicInst = -1;
    settings.Voice = QStringLiteral("男声");
    settings.Skinpath = QStringLiteral("蓝色 经典");
    const ProgramFolder program(folder.path());
    QVERIFY(SaveSettings(settings, file, program));
    QCOMPARE(LoadSettings(file, program), settings);
    QCOMPARE(IniRead("other", "RightColor", file), QString("-2147483643"));
}

void tst_SettingsFile::defaultsLeaveListedFieldsAlone()
{
    TestFolder folder;
    const ProgramFolder program(folder.path());
    Settings fresh;
    fresh.P1Text = 4;
    fresh.P1Speed = 3;
    fresh.P2Text = 2;
    fresh.P2Speed = 1;
    fresh.P3Speed = 2;
    fresh.Eword = QStringLiteral("cet4.txt");
    fresh.Cword = QStringLiteral("常用字.txt");
    fresh.Phrase = QStringLiteral("二字词.txt");
    fresh.Earticle = QStringLiteral("a.lmf");
    fresh.Carticle = QStringLiteral("b.lmf");
    // The same ten fields, and other values everywhere else.
    Settings used = fresh;
    used.Skinpath = QStringLiteral("blue");
    used.BackMusicpath = QStringLiteral("x.mid");
    used.P3Text = 3;
    used.Voice = QStringLiteral("男声");
    used.Eplace = 50;

    DefaultSettings(fresh, program);
    DefaultSettings(used, program);
    QCOMPARE(used, fresh);
    QCOMPARE(used.P2Speed, 1);
    QCOMPARE(used.Phrase, QString("二字词.txt"));
    QCOMPARE(used.Eplace, 0);
}

void tst_SettingsFile::defaultMusicPath_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("path");

    QTest::newRow("no midi file: the bare folder") << QStringList {"Music/a.wav"} << "Music/";
    QTest::newRow("no Music folder") << QStringList {} << "Music/";
    QTest::newRow("first by name") << QStringList {"Music/b.mid", "Music/a.mid"} << "Music/a.mid";
    QTest::newRow("extension in capitals") << QStringList {"Music/b.mid", "Music/A.MID"} << "Music/A.MID";
    QTest::newRow("folder spelled otherwise") << QStringList {"MUSIC/x.mid"} << "MUSIC/x.mid";
}

void tst_SettingsFile::defaultMusicPath()
{
    QFETCH(QStringList, files);
    QFETCH(QString, path);
    TestFolder folder;
    for (const QString &name : files)
        folder.write(name, "");
    QCOMPARE(DefaultMusicPath(ProgramFolder(folder.path())), folder.path() + '/' + path);
}

void tst_SettingsFile::unreadableFile()
{
    TestFolder folder;
    folder.makeFolder("Deplog.ini");
    QString error;
    const ProgramFolder program(folder.path());
    QVERIFY(!LoadSettings(folder.file("Deplog.ini"), program, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!SaveSettings(Settings(), folder.file("Deplog.ini"), program));
}

void tst_SettingsFile::failedSaveKeepsOldFile()
{
    TestFolder folder;
    const QByteArray old = fixture("windows-deplog.ini");
    folder.write("Deplog.ini", old);
    const ProgramFolder program(folder.path());
    Settings settings = *LoadSettings(folder.file("Deplog.ini"), program);
    settings.Earticle = QString(100, 'x');
    bool saved = true;
    {
        FileSizeLimit fullDisk(old.size());
        saved = SaveSettings(settings, folder.file("Deplog.ini"), program);
    }
    QVERIFY(!saved);
    QCOMPARE(folder.read("Deplog.ini"), old);
}

// A file that is no settings file at all is damaged: it gives no settings,
// and nothing is written into it.
void tst_SettingsFile::brokenFileIsNeitherLoadedNorSaved_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const char *name : {"empty", "zeros", "random", "nul-in-value", "invalid-gbk", "no-section",
                             "control-characters"}) {
        QTest::newRow(name) << readFixture(QStringLiteral("settings/broken/%1.ini").arg(QLatin1String(name)));
    }
    QByteArray large = fixture("windows-deplog.ini");
    large += QByteArray(IniDocument::MaxFileBytes + 1 - large.size(), ';');
    QTest::newRow("larger than 1 MB") << large;
}

void tst_SettingsFile::brokenFileIsNeitherLoadedNorSaved()
{
    QFETCH(QByteArray, bytes);
    TestFolder folder;
    folder.write("Deplog.ini", bytes);
    const ProgramFolder program(folder.path());
    QString error;
    QVERIFY(!LoadSettings(folder.file("Deplog.ini"), program, &error));
    QVERIFY(!error.isEmpty());

    Settings settings;
    DefaultSettings(settings, program);
    error.clear();
    QVERIFY(!SaveSettings(settings, folder.file("Deplog.ini"), program, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("Deplog.ini"), bytes);
}

namespace {

// Three folders of 20 Chinese characters: 120 bytes of GBK before the
// program folder's own files, so none of its absolute paths fits a value.
QString deepProgramFolder(const TestFolder &folder)
{
    const QString name = QStringLiteral("青檀打字练习软件第四版安装程序文件夹目录");
    return folder.file(name + '/' + name + '/' + name);
}

} // namespace

void tst_SettingsFile::longPathComesBack_data()
{
    QTest::addColumn<bool>("deepProgram");
    QTest::addColumn<QString>("path");        // "@PROGRAM@" and "@TEMP@" stand for the folders
    QTest::addColumn<QByteArray>("fileText"); // the line the file holds, "" for no check
    QTest::addColumn<bool>("comesBack");

    QTest::newRow("new user's music below a deep program folder")
        << true << "@PROGRAM@/Music/Waltz.mid" << QByteArray("BackMusicpath=\\Music\\Waltz.mid") << true;
    QTest::newRow("Chinese music folder below a deep program folder")
        << true << "@PROGRAM@/Music/钢琴曲/月光.mid"
        << QByteArray("BackMusicpath=\\Music\\" + TextCodec::encode(QStringLiteral("钢琴曲\\月光.mid"))) << true;
    QTest::newRow("short path kept whole")
        << false << "@PROGRAM@/Music/Waltz.mid" << QByteArray("BackMusicpath=@PROGRAM@/Music/Waltz.mid") << true;
    // Refused when chosen; one that gets here anyway is cut as before.
    QTest::newRow("deep path outside the program folder")
        << true << "@TEMP@/outside/" + QString(60, u'曲') + ".mid" << QByteArray() << false;
}

// A path set in the record comes back from the file as it was; one inside
// the program folder too long to be kept whole is kept relative to it.
void tst_SettingsFile::longPathComesBack()
{
    QFETCH(bool, deepProgram);
    QFETCH(QString, path);
    QFETCH(QByteArray, fileText);
    QFETCH(bool, comesBack);
    TestFolder folder;
    const ProgramFolder program(deepProgram ? deepProgramFolder(folder) : folder.path());
    path.replace("@PROGRAM@", program.root()).replace("@TEMP@", folder.path());
    folder.write(QDir(folder.path()).relativeFilePath(path), "MThd");
    const QString file = folder.file("Deplog.ini");

    Settings settings;
    DefaultSettings(settings, program);
    settings.BackMusicpath = path;
    settings.Carticle = path;
    QVERIFY(SaveSettings(settings, file, program));
    fileText.replace("@PROGRAM@", program.root().toUtf8());
    if (!fileText.isEmpty())
        QVERIFY2(folder.read("Deplog.ini").contains(fileText + "\r\n"), folder.read("Deplog.ini").constData());

    const std::optional<Settings> loaded = LoadSettings(file, program);
    QVERIFY(loaded);
    if (!comesBack) {
        QVERIFY(loaded->BackMusicpath != path);
        QVERIFY(path.startsWith(loaded->BackMusicpath));
        return;
    }
    QCOMPARE(loaded->BackMusicpath, path);
    QCOMPARE(loaded->Carticle, path);
    QCOMPARE(*loaded, settings);
}

// A relative path is found in the program folder without regard to case,
// like the program's own data paths.
void tst_SettingsFile::relativePathOfAnOlderRunIsFound()
{
    TestFolder folder;
    folder.write("MUSIC/Waltz.mid", "MThd");
    folder.write("Deplog.ini", "[music]\r\nBackMusicpath=\\Music\\Waltz.mid\r\n"
                               "[exercise]\r\nEarticle=\\\\server\\share\\a.lmf\r\n");
    const ProgramFolder program(folder.path());
    const std::optional<Settings> loaded = LoadSettings(folder.file("Deplog.ini"), program);
    QVERIFY(loaded);
    QCOMPARE(loaded->BackMusicpath, folder.file("MUSIC/Waltz.mid"));
    // A network path is no relative one.
    QCOMPARE(loaded->Earticle, QString("\\\\server\\share\\a.lmf"));
}

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_settingsfile.moc"
