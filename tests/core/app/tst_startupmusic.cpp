// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/StartupMusic.h"

#include "TestFolder.h"

#include <QTest>

class tst_StartupMusic : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
};

void tst_StartupMusic::choose_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("backMusic");
    QTest::addColumn<QString>("chosenPath"); // relative to the program folder
    QTest::addColumn<QString>("plays");      // relative; empty for nothing

    const QStringList tunes{"Music/b.mid", "Music/a.MID", "Music/readme.txt", "own/song.mid"};
    QTest::newRow("music off") << tunes << 0 << "own/song.mid" << "";
    QTest::newRow("chosen file plays") << tunes << 1 << "own/song.mid" << "own/song.mid";
    QTest::newRow("empty path: first mid by name, any case") << tunes << 1 << "" << "Music/a.MID";
    QTest::newRow("missing chosen file: first mid") << tunes << 1 << "own/gone.mid" << "Music/a.MID";
    QTest::newRow("no mid file plays nothing") << QStringList{"Music/readme.txt"} << 1 << "" << "";
    QTest::newRow("no Music folder plays nothing") << QStringList{} << 1 << "" << "";
}

void tst_StartupMusic::choose()
{
    QFETCH(QStringList, files);
    QFETCH(int, backMusic);
    QFETCH(QString, chosenPath);
    QFETCH(QString, plays);

    TestFolder folder;
    for (const QString &file : files)
        folder.write(file, "MThd");
    const QString chosen = chosenPath.isEmpty() ? QString() : folder.file(chosenPath);

    const auto music = StartupMusic::choose(qint16(backMusic), chosen, ProgramFolder(folder.path()));
    if (plays.isEmpty())
        QVERIFY(!music);
    else
        QCOMPARE(music.value_or(QString()), folder.file(plays));
}

QTEST_GUILESS_MAIN(tst_StartupMusic)
#include "tst_startupmusic.moc"
