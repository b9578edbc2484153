// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/SettingsApplyTarget.h"
#include "core/settings/SettingsChoices.h"

#include <QTest>

class tst_SettingsChoices : public QObject
{
    Q_OBJECT

private slots:
    void sideEffects_data();
    void sideEffects();
    void eachStepSeesTheStepsBeforeIt();
    void unchangedChoicesChangeNothing();
    void unshownFieldsAreKept();
};

namespace {

// Records every call with the settings as they stood at that moment.
class RecordingTarget : public SettingsApplyTarget
{
public:
    explicit RecordingTarget(const Settings &settings) : m_settings(settings) {}

    void chooseSkin(const QString &name) override { record("skin " + name); }
    void playMusic(const QString &file) override { record("play " + file); }
    void stopMusic() override { record("stop"); }
    void reloadCodeTable(const QString &inputMeans) override { record("reload " + inputMeans); }
    void restartChineseDrill(int entry) override { record("restart " + QString::number(entry)); }

    QStringList calls;
    QList<Settings> seen;

private:
    void record(const QString &call)
    {
        calls.append(call);
        seen.append(m_settings);
    }
    const Settings &m_settings;
};

Settings stored()
{
    Settings settings;
    settings.Skinpath = QStringLiteral("amber");
    settings.BackMusic = 1;
    settings.BackMusicpath = QStringLiteral("/p/Music/a.mid");
    settings.InputMeans = QStringLiteral("五笔");
    settings.Window = 1;
    settings.Speed = 170;
    settings.ReciteKey = 114;
    settings.CueKey = 113;
    settings.BuiltInInput = QStringLiteral("自动");
    return settings;
}

} // namespace

void tst_SettingsChoices::sideEffects_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("backMusic");
    QTest::addColumn<QString>("music");
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<PracticeMode>("mode");
    QTest::addColumn<QStringList>("calls");

    const QString a = "/p/Music/a.mid";
    const QString b = "/p/Music/b.mid";
    QTest::newRow("nothing changed") << "amber" << 1 << a << "五笔" << PracticeMode::Characters << QStringList();
    QTest::newRow("another skin") << "jade" << 1 << a << "五笔" << PracticeMode::None << QStringList{"skin jade"};
    QTest::newRow("default skin") << "" << 1 << a << "五笔" << PracticeMode::None << QStringList{"skin "};
    QTest::newRow("other music") << "amber" << 1 << b << "五笔" << PracticeMode::None << QStringList{"play " + b};
    QTest::newRow("music switched off") << "amber" << 0 << a << "五笔" << PracticeMode::None << QStringList{"stop"};
    QTest::newRow("other music, switched off") << "amber" << 0 << b << "五笔" << PracticeMode::None
                                               << QStringList{"stop"};
    QTest::newRow("input method, no drill") << "amber" << 1 << a << "拼音" << PracticeMode::ChineseArticle
                                            << QStringList{"reload 拼音"};
    QTest::newRow("input method in single characters")
        << "amber" << 1 << a << "拼音" << PracticeMode::Characters << QStringList{"reload 拼音", "restart 1"};
    QTest::newRow("input method in phrases")
        << "amber" << 1 << a << "拼音" << PracticeMode::Phrases << QStringList{"reload 拼音", "restart 2"};
    QTest::newRow("everything, page by page")
        << "" << 1 << b << "拼音" << PracticeMode::Phrases
        << QStringList{"skin ", "play " + b, "reload 拼音", "restart 2"};
}

void tst_SettingsChoices::sideEffects()
{
    QFETCH(QString, skin);
    QFETCH(int, backMusic);
    QFETCH(QString, music);
    QFETCH(QString, inputMeans);
    QFETCH(PracticeMode, mode);
    QFETCH(QStringList, calls);

    Settings settings = stored();
    Settings chosen = settings;
    chosen.Skinpath = skin;
    chosen.BackMusic = qint16(backMusic);
    chosen.BackMusicpath = music;
    chosen.InputMeans = inputMeans;
    RecordingTarget target(settings);
    applySettingsChoices(chosen, settings, mode, target);

    QCOMPARE(target.calls, calls);
    QCOMPARE(settings, chosen);
}

// The skin is dressed with the new Skinpath but the old music, the code
// tables reloaded with the new game and practice options but the old window
// and hot keys.
void tst_SettingsChoices::eachStepSeesTheStepsBeforeIt()
{
    Settings settings = stored();
    Settings chosen = settings;
    chosen.Skinpath = QString();
    chosen.BackMusicpath = QStringLiteral("/p/Music/b.mid");
    chosen.KeyMusic = 1;
    chosen.MusicInst = 40;
    chosen.P3Text = 2;
    chosen.CWordCue = 0;
    chosen.InputMeans = QStringLiteral("拼音");
    chosen.Window = 0;
    chosen.ReciteKey = 123;
    RecordingTarget target(settings);
    applySettingsChoices(chosen, settings, PracticeMode::Characters, target);

    QCOMPARE(target.seen.size(), 4);
    const Settings &atSkin = target.seen[0];
    QCOMPARE(atSkin.Skinpath, QString());
    QCOMPARE(atSkin.BackMusicpath, QString("/p/Music/a.mid"));
    const Settings &atMusic = target.seen[1];
    QCOMPARE(atMusic.BackMusicpath, QString("/p/Music/a.mid"));
    QCOMPARE(atMusic.P3Text, 0);
    QCOMPARE(atMusic.MusicInst, 0);
    const Settings &atReload = target.seen[2];
    QCOMPARE(atReload.BackMusicpath, QString("/p/Music/b.mid"));
    QCOMPARE(atReload.KeyMusic, 1);
    QCOMPARE(atReload.MusicInst, 40);
    QCOMPARE(atReload.P3Text, 2);
    QCOMPARE(atReload.CWordCue, 0);
    QCOMPARE(atReload.InputMeans, QString("拼音"));
    QCOMPARE(atReload.Window, 1);
    QCOMPARE(atReload.ReciteKey, 114);
    QCOMPARE(settings.Window, 0);
    QCOMPARE(settings.ReciteKey, 123);
}

void tst_SettingsChoices::unchangedChoicesChangeNothing()
{
    Settings settings = stored();
    const Settings before = settings;
    RecordingTarget target(settings);
    applySettingsChoices(before, settings, PracticeMode::Characters, target);
    QCOMPARE(settings, before);
    QVERIFY(target.calls.isEmpty());
}

// The dialog edits a copy taken when it opened; what it does not show may
// have changed meanwhile (a skin cleared by a failed load) and stays.
void tst_SettingsChoices::unshownFieldsAreKept()
{
    Settings settings = stored();
    Settings chosen = settings;
    chosen.Voice = QStringLiteral("男声");
    chosen.CWbzgDemand = 0;
    chosen.Letter = 2;
    chosen.Earticle = QStringLiteral("x.lmf");
    RecordingTarget target(settings);
    applySettingsChoices(chosen, settings, PracticeMode::None, target);
    QCOMPARE(settings, stored());
}

QTEST_GUILESS_MAIN(tst_SettingsChoices)
#include "tst_settingschoices.moc"
