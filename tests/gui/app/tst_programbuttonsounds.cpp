// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/ProgramButtonSounds.h"

#include "FakeSoundOutput.h"
#include "TestFolder.h"

#include <QTest>

class tst_ProgramButtonSounds : public QObject
{
    Q_OBJECT

private slots:
    void defaultSoundsAreKeptReady();
    void path_data();
    void path();
    void missingFilePlaysNoStandIn();
};

void tst_ProgramButtonSounds::defaultSoundsAreKeptReady()
{
    TestFolder folder;
    folder.write(QStringLiteral("Resources/Over.wav"), "RIFF");
    FakeSoundOutput output;
    ProgramButtonSounds sounds(ProgramFolder(folder.path()), output);
    QCOMPARE(output.preloaded(), (QStringList{folder.file(QStringLiteral("Resources/Over.wav")),
                                              folder.file(QStringLiteral("Resources/click.wav"))}));
}

void tst_ProgramButtonSounds::path_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("path"); // in the program folder; empty: the file as given

    QTest::newRow("the default, matched without regard to case") << ".\\resources\\over.wav" << "Resources/Over.wav";
    QTest::newRow("forward slashes") << "./resources/over.wav" << "Resources/Over.wav";
    QTest::newRow("a bare relative name") << "sounds\\tick.wav" << "sounds/tick.wav";
    QTest::newRow("an absolute path") << "/usr/share/sounds/tick.wav" << "";
}

void tst_ProgramButtonSounds::path()
{
    QFETCH(QString, file);
    QFETCH(QString, path);
    TestFolder folder;
    folder.write(QStringLiteral("Resources/Over.wav"), "RIFF");
    FakeSoundOutput output;
    ProgramButtonSounds sounds(ProgramFolder(folder.path()), output);
    QCOMPARE(sounds.path(file), path.isEmpty() ? file : folder.file(path));
}

void tst_ProgramButtonSounds::missingFilePlaysNoStandIn()
{
    TestFolder folder;
    FakeSoundOutput output;
    const QString missing = folder.file(QStringLiteral("resources/click.wav"));
    output.setUnplayable(missing);
    ProgramButtonSounds sounds(ProgramFolder(folder.path()), output);
    sounds.play(QStringLiteral(".\\resources\\click.wav"));
    // The output refused the file; no default sound takes its place.
    QVERIFY(output.played().isEmpty());
}

QTEST_MAIN(tst_ProgramButtonSounds)
#include "tst_programbuttonsounds.moc"
