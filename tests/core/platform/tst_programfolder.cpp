// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"

#include "TestFolder.h"

#include <QTest>

class tst_ProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void path_data();
    void path();
    void exactSpellingWinsOverOtherCase();
    void resolveBelowAnyFolder();
};

void tst_ProgramFolder::path_data()
{
    QTest::addColumn<QStringList>("existing"); // files and folders (ending in /) to create
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("expected");    // relative to the program folder

    QTest::newRow("folder in other case")
        << QStringList{"chinese/"} << "\\Chinese\\" << "chinese";
    QTest::newRow("file in other case in folder in other case")
        << QStringList{"Music/sound/plop.wav"} << "\\Music\\SOUND\\plop.WAV" << "Music/sound/plop.wav";
    QTest::newRow("upper-case literal of lower-case folder")
        << QStringList{"user/"} << "\\USER" << "user";
    QTest::newRow("missing file keeps the literal's spelling")
        << QStringList{"user/anna/"} << "\\USER\\Anna\\Deplog.ini" << "user/anna/Deplog.ini";
    QTest::newRow("missing folder keeps the literal's spelling below it")
        << QStringList{} << "\\Skins\\Blue\\skin.ini" << "Skins/Blue/skin.ini";
    QTest::newRow("Chinese names")
        << QStringList{"chinese/五笔/phrase/二字词组.txt"} << "\\CHINESE\\五笔\\Phrase\\二字词组.txt"
        << "chinese/五笔/phrase/二字词组.txt";
    QTest::newRow("forward slashes and doubled separators")
        << QStringList{"article/english/"} << "/Article//English/" << "article/english";
    QTest::newRow("empty literal is the folder itself") << QStringList{} << "" << "";
}

void tst_ProgramFolder::path()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, literal);
    QFETCH(QString, expected);

    TestFolder folder;
    for (const QString &entry : existing) {
        if (entry.endsWith('/'))
            folder.makeFolder(entry);
        else
            folder.write(entry, "x");
    }
    const ProgramFolder program(folder.path());
    const QString want = expected.isEmpty() ? folder.path() : folder.file(expected);
    QCOMPARE(program.path(literal), want);
}

void tst_ProgramFolder::exactSpellingWinsOverOtherCase()
{
    TestFolder folder;
    folder.makeFolder("Music/SOUND");
    folder.makeFolder("Music/sound");
    const ProgramFolder program(folder.path());
    QCOMPARE(program.path("\\Music\\SOUND\\"), folder.file("Music/SOUND"));
    QCOMPARE(program.path("\\music\\sound\\"), folder.file("Music/sound"));
}

void tst_ProgramFolder::resolveBelowAnyFolder()
{
    TestFolder folder;
    folder.makeFolder("anna/错字练习/english");
    QCOMPARE(ProgramFolder::resolve(folder.file("anna"), "\\错字练习\\ENGLISH\\a.lmf"),
             folder.file("anna/错字练习/english/a.lmf"));
}

QTEST_GUILESS_MAIN(tst_ProgramFolder)
#include "tst_programfolder.moc"
