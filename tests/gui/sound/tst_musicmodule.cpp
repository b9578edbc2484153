// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/MusicModule.h"

#include "TestFolder.h"

#include <QRegularExpression>
#include <QTest>

#include <functional>

class tst_MusicModule : public QObject
{
    Q_OBJECT

private slots:
    void loadsOnlyForMusicOrANote_data();
    void loadsOnlyForMusicOrANote();
    void missingModuleIsSilentAndNamedOnce();
};

namespace {

const QString tune = QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/Music/欢乐颂.mid");
const QString soundFont = QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/soundfonts/sf_GMbank.sf2");

const QRegularExpression notLoaded(
    QStringLiteral("^The music module could not be loaded, music and notes stay silent:"));

using Call = std::function<void(MusicModule &)>;

} // namespace

Q_DECLARE_METATYPE(Call)

void tst_MusicModule::loadsOnlyForMusicOrANote_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<bool>("loads");

    QTest::newRow("stop") << Call([](MusicModule &m) { m.stop(); }) << false;
    QTest::newRow("resume") << Call([](MusicModule &m) { m.resume(); }) << false;
    QTest::newRow("is playing") << Call([](MusicModule &m) { QVERIFY(!m.isPlaying()); }) << false;
    QTest::newRow("play \"0\"") << Call([](MusicModule &m) { m.play(QStringLiteral("0")); }) << false;
    QTest::newRow("play nothing") << Call([](MusicModule &m) { m.play(QString()); }) << false;
    QTest::newRow("play a tune") << Call([](MusicModule &m) { m.play(tune); }) << true;
    QTest::newRow("a note") << Call([](MusicModule &m) { m.send(0x7F2490); }) << true;
}

// A folder without the module shows when loading is tried: the log names it.
void tst_MusicModule::loadsOnlyForMusicOrANote()
{
    QFETCH(Call, call);
    QFETCH(bool, loads);

    TestFolder noModule;
    MusicModule module(noModule.path(), soundFont);
    if (loads)
        QTest::ignoreMessage(QtWarningMsg, notLoaded);
    call(module);
    QCOMPARE(module.isLoaded(), loads);
}

void tst_MusicModule::missingModuleIsSilentAndNamedOnce()
{
    TestFolder noModule;
    MusicModule module(noModule.path(), soundFont);
    QTest::ignoreMessage(QtWarningMsg, notLoaded);
    module.play(tune);
    QVERIFY(!module.isPlaying());
    module.resume();
    QVERIFY(!module.isPlaying());
    QCOMPARE(module.send(0x7F2490), std::optional<QString>(QStringLiteral("没有可用的声音设备，不能演奏音符。")));
    QTest::failOnWarning(notLoaded);
    module.play(tune);
    QCOMPARE(module.send(0x0080), std::optional<QString>(QStringLiteral("没有可用的声音设备，不能演奏音符。")));
}

QTEST_MAIN(tst_MusicModule)
#include "tst_musicmodule.moc"
