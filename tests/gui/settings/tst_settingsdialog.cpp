// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/settings/SettingsDialog.h"

#include "core/platform/ColourChooser.h"
#include "core/settings/IniFile.h"
#include "core/settings/SettingsApplyTarget.h"
#include "core/settings/SettingsChoices.h"
#include "core/settings/SettingsFile.h"
#include "core/sound/MidiOut.h"
#include "core/sound/Speech.h"
#include "gui/settings/HotKeyBox.h"
#include "widgets/KorvelButton.h"

#include "FakeMidiOutput.h"
#include "FakeSoundOutput.h"
#include "FakeSpeechEngine.h"
#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QStringEncoder>
#include <QTest>

#include <memory>

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithTheStoredValues();
    void pageListBringsPagesToTheFront();
    void unlistedSkinOpensOnTheDefault();
    void skinNoteFollowsTheList();
    void hotKeyBoxTakesOnlyF2ToF12_data();
    void hotKeyBoxTakesOnlyF2ToF12();
    void storedKeyWithoutName();
    void musicChoice();
    void userMusicOpensThePlaylist();
    void colourSwatch_data();
    void colourSwatch();
    void speechTestSaysTheWordEveryTime();
    void keyboardMusicOpensFromTheSettings_data();
    void keyboardMusicOpensFromTheSettings();
    void listenPlaysTheChosenLetter();
    void okAppliesEveryPage();
    void cancelDiscards();

private:
    void open();
    template<typename T> T *child(const QString &name) const;
    void clickItem(const QString &list, const QString &text) const;

    std::unique_ptr<TestFolder> m_folder;
    QString m_file; // the user's settings file
    Settings m_settings;
    std::unique_ptr<FakeSpeechEngine> m_engine;
    std::unique_ptr<FakeSoundOutput> m_output;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<Speech> m_speech;
    std::unique_ptr<SettingsDialog> m_dialog;

    // Answers the swatches from a script; used up, it cancels.
    class ScriptedColours : public ColourChooser
    {
    public:
        std::optional<QColor> chooseColour(const QColor &initial) override
        {
            asked.append(initial);
            return script.isEmpty() ? std::nullopt : script.takeFirst();
        }
        QList<std::optional<QColor>> script;
        QList<QColor> asked;
    } m_colours;
};

namespace {

QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

// Records the calls applying makes; the file is what the test checks.
class QuietTarget : public SettingsApplyTarget
{
public:
    void chooseSkin(const QString &name) override { calls.append("skin " + name); }
    void playMusic(const QString &file) override { calls.append("play " + file); }
    void stopMusic() override { calls.append("stop"); }
    void reloadCodeTable(const QString &inputMeans) override { calls.append("reload " + inputMeans); }
    void restartChineseDrill(int entry) override { calls.append("restart " + QString::number(entry)); }
    QStringList calls;
};

} // namespace

void tst_SettingsDialog::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->write("skins/amber/skin.ini", gbk("[skin]\r\nName=amber\r\nauthor=李明\r\nexplain=琥珀色\r\n"));
    m_folder->write("skins/jade/skin.ini", "[skin]\r\nName=jade\r\n");
    m_folder->write("skins/copy/skin.ini", "[skin]\r\nName=jade\r\n");
    m_folder->write("Music/a.mid", "MThd");
    m_folder->write("Music/b.mid", "MThd");
    m_folder->makeFolder("Chinese/五笔");
    m_folder->makeFolder("Chinese/拼音");
    m_folder->makeFolder("user/anna");
    m_file = m_folder->file("user/anna/Deplog.ini");
    const ProgramFolder program(m_folder->path());
    DefaultSettings(m_settings, program);
    m_settings.Skinpath = QStringLiteral("amber");
    m_settings.BackMusicpath = m_folder->file("Music/a.mid");
    QVERIFY(IniWrite("user", "password", "959", m_file));
    QVERIFY(SaveSettings(m_settings, m_file, program));

    m_engine = std::make_unique<FakeSpeechEngine>();
    m_output = std::make_unique<FakeSoundOutput>();
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_speech = std::make_unique<Speech>(*m_engine, *m_output, *m_prompter, [](const QString &) { return true; });
    m_colours.script.clear();
    m_colours.asked.clear();
}

void tst_SettingsDialog::cleanup()
{
    m_dialog.reset();
}

void tst_SettingsDialog::open()
{
    m_dialog = std::make_unique<SettingsDialog>(m_settings, ProgramFolder(m_folder->path()), WindowLook::builtIn(),
                                                *m_speech, m_colours);
    m_dialog->show();
}

template<typename T> T *tst_SettingsDialog::child(const QString &name) const
{
    T *found = m_dialog->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void tst_SettingsDialog::clickItem(const QString &list, const QString &text) const
{
    auto *widget = child<QListWidget>(list);
    const QList<QListWidgetItem *> items = widget->findItems(text, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    widget->scrollToItem(items.first());
    const QRect place = widget->visualItemRect(items.first());
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, place.center());
}

void tst_SettingsDialog::opensWithTheStoredValues()
{
    m_settings.MaxTss = 7;
    m_settings.P2MaxTime = 10;
    m_settings.P3Text = 3;
    m_settings.InputMeans = QStringLiteral("拼音");
    m_settings.Window = 0;
    m_settings.CWordElect = 0;
    m_settings.Speed = 222;
    m_settings.ReciteKey = 116;
    m_settings.BuiltInInput = QStringLiteral("关");
    open();

    QCOMPARE(m_dialog->windowTitle(), QString("系统设置"));
    QCOMPARE(child<QComboBox>("MaxTss")->currentText(), QString("7"));
    QCOMPARE(child<QComboBox>("P2MaxTime")->currentText(), QString("10"));
    QCOMPARE(child<QComboBox>("P3Text")->currentText(), QString("四字词组"));
    QCOMPARE(child<QComboBox>("P1Text")->count(), 5);
    QCOMPARE(child<QComboBox>("InputMeans")->currentText(), QString("拼音"));
    QVERIFY(child<QRadioButton>("window0")->isChecked());
    QVERIFY(!child<QCheckBox>("CWordElect")->isChecked());
    QVERIFY(child<QCheckBox>("CWordCue")->isChecked());
    QCOMPARE(child<QLabel>("speedLabel")->text(), QString("朗读语速：222"));
    QCOMPARE(child<HotKeyBox>("ReciteKey")->text(), QString("F5"));
    QCOMPARE(child<HotKeyBox>("CueKey")->text(), QString("F2"));
    QCOMPARE(child<QComboBox>("BuiltInInput")->currentText(), QString("关"));
    QCOMPARE(child<QLabel>("musicChoice")->text(), "当前选择：" + m_settings.BackMusicpath);
    QStringList music;
    for (int row = 0; row < child<QListWidget>("musicList")->count(); ++row)
        music.append(child<QListWidget>("musicList")->item(row)->text());
    QCOMPARE(music, QStringList({"a.mid", "b.mid", "** 用户自定义背景音乐 **"}));
    // Nothing changed: the choices are the settings.
    QCOMPARE(m_dialog->chosen(), m_settings);
}

void tst_SettingsDialog::pageListBringsPagesToTheFront()
{
    open();
    auto *list = child<QListWidget>("pageList");
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    QCOMPARE(entries, QStringList({"界面设置", "音乐设置", "游戏设置", "其它设置"}));
    const QStringList keys = {"jmsz", "yusz", "yxsz", "qtsz"};
    for (int row = 3; row >= 0; --row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        QCOMPARE(child<QStackedWidget>("pages")->currentWidget()->objectName(), keys[row]);
    }
}

void tst_SettingsDialog::unlistedSkinOpensOnTheDefault()
{
    m_settings.Skinpath = QStringLiteral("copy"); // its description names jade
    open();
    auto *skins = child<QListWidget>("skinList");
    QCOMPARE(skins->count(), 3);
    QCOMPARE(skins->currentItem()->text(), QString("默认皮肤"));
    QVERIFY(child<QLabel>("skinNote")->text().endsWith("说  明：这是软件的默认皮肤！"));
    QCOMPARE(m_dialog->chosen().Skinpath, QString());
}

void tst_SettingsDialog::skinNoteFollowsTheList()
{
    open();
    QCOMPARE(child<QListWidget>("skinList")->currentItem()->text(), QString("amber"));
    QCOMPARE(child<QLabel>("skinNote")->text(), QString("制作人：李明\n说  明：琥珀色"));
    clickItem("skinList", "jade");
    QCOMPARE(child<QLabel>("skinNote")->text(), QString("制作人：\n说  明："));
    QCOMPARE(m_dialog->chosen().Skinpath, QString("jade"));
    clickItem("skinList", "默认皮肤");
    QCOMPARE(m_dialog->chosen().Skinpath, QString());
}

void tst_SettingsDialog::hotKeyBoxTakesOnlyF2ToF12_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("code");

    QTest::newRow("F12") << int(Qt::Key_F12) << "F12" << 123;
    QTest::newRow("F2") << int(Qt::Key_F2) << "F2" << 113;
    QTest::newRow("F1 ignored") << int(Qt::Key_F1) << "F3" << 114;
    QTest::newRow("F13 ignored") << int(Qt::Key_F13) << "F3" << 114;
    QTest::newRow("letter ignored") << int(Qt::Key_A) << "F3" << 114;
    QTest::newRow("backspace ignored") << int(Qt::Key_Backspace) << "F3" << 114;
}

void tst_SettingsDialog::hotKeyBoxTakesOnlyF2ToF12()
{
    QFETCH(int, key);
    QFETCH(QString, shown);
    QFETCH(int, code);
    open();
    auto *box = child<HotKeyBox>("ReciteKey");
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key));
    QCOMPARE(box->text(), shown);
    QCOMPARE(m_dialog->chosen().ReciteKey, code);
    QVERIFY(m_dialog->isVisible()); // no key reaches the dialog
}

void tst_SettingsDialog::storedKeyWithoutName()
{
    m_settings.CueKey = 186;
    open();
    QCOMPARE(child<HotKeyBox>("CueKey")->text(), QString("KeyCode:186"));
    QCOMPARE(m_dialog->chosen().CueKey, 186);
}

void tst_SettingsDialog::musicChoice()
{
    m_settings.BackMusic = 0;
    open();
    auto *line = child<QLabel>("musicChoice");
    QCOMPARE(line->text(), QString("当前选择：禁止播放背景音乐。"));
    clickItem("musicList", "b.mid");
    QVERIFY(child<QCheckBox>("backMusic")->isChecked());
    QCOMPARE(line->text(), QString("当前选择：b.mid"));
    QCOMPARE(QFileInfo(m_dialog->chosen().BackMusicpath), QFileInfo(m_folder->file("Music/b.mid")));
    QCOMPARE(m_dialog->chosen().BackMusic, 1);
    child<QCheckBox>("backMusic")->click();
    QCOMPARE(line->text(), QString("当前选择：禁止播放背景音乐。"));
    QCOMPARE(m_dialog->chosen().BackMusic, 0);
    child<QCheckBox>("backMusic")->click();
    QCOMPARE(line->text(), "当前选择：" + m_dialog->chosen().BackMusicpath);
}

void tst_SettingsDialog::userMusicOpensThePlaylist()
{
    open();
    int opened = 0;
    m_dialog->setPlaylistOpener([&]() -> std::optional<QString> {
        ++opened;
        return opened == 1 ? std::nullopt : std::optional<QString>("/songs/list.m3u");
    });
    clickItem("musicList", "** 用户自定义背景音乐 **");
    QCOMPARE(opened, 1);
    QCOMPARE(m_dialog->chosen().BackMusicpath, m_settings.BackMusicpath);
    clickItem("musicList", "a.mid");
    clickItem("musicList", "** 用户自定义背景音乐 **");
    QCOMPARE(opened, 2);
    QCOMPARE(m_dialog->chosen().BackMusicpath, QString("/songs/list.m3u"));
    QCOMPARE(child<QLabel>("musicChoice")->text(), QString("当前选择：/songs/list.m3u"));
}

void tst_SettingsDialog::colourSwatch_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<std::optional<QColor>>("answer");
    QTest::addColumn<qint32>("right");
    QTest::addColumn<qint32>("error");

    QTest::newRow("right colour chosen") << "RightColor" << std::optional<QColor>(QColor(0x12, 0x34, 0x56))
                                         << qint32(0x563412) << qint32(255);
    QTest::newRow("error colour chosen") << "ErrorColor" << std::optional<QColor>(QColor(0, 128, 0))
                                         << qint32(0xFF0000) << qint32(0x008000);
    QTest::newRow("cancelled") << "ErrorColor" << std::optional<QColor>() << qint32(0xFF0000) << qint32(255);
}

void tst_SettingsDialog::colourSwatch()
{
    QFETCH(QString, swatch);
    QFETCH(std::optional<QColor>, answer);
    QFETCH(qint32, right);
    QFETCH(qint32, error);
    open();
    m_colours.script.append(answer);
    QTest::mouseClick(child<QPushButton>(swatch), Qt::LeftButton);
    // The chooser starts from the swatch's colour: blue right, red wrong.
    QCOMPARE(m_colours.asked, QList<QColor>({swatch == "RightColor" ? QColor(Qt::blue) : QColor(Qt::red)}));
    QCOMPARE(m_dialog->chosen().RightColor, right);
    QCOMPARE(m_dialog->chosen().ErrorColor, error);
    QCOMPARE(child<QPushButton>(swatch)->toolTip(), QString("单击选择颜色"));
}

void tst_SettingsDialog::speechTestSaysTheWordEveryTime()
{
    open();
    child<QSlider>("Speed")->setValue(250);
    QCOMPARE(child<QLabel>("speedLabel")->text(), QString("朗读语速：250"));
    QTest::mouseClick(child<KorvelButton>("speechTest"), Qt::LeftButton);
    QTest::mouseClick(child<KorvelButton>("speechTest"), Qt::LeftButton);
    QCOMPARE(m_engine->texts(), QStringList({"lumotype", "lumotype"}));
    QCOMPARE(m_engine->requests().last().wordsPerMinute, 250);
}

void tst_SettingsDialog::keyboardMusicOpensFromTheSettings_data()
{
    QTest::addColumn<int>("keyMusic");
    QTest::addColumn<int>("musicInst");
    QTest::addColumn<QString>("shown");

    QTest::newRow("off, first instrument") << 0 << 0 << "Piano 1";
    QTest::newRow("on, violin") << 1 << 40 << "Violin";
    QTest::newRow("last instrument") << 0 << 127 << "Gun Shot";
    // The instrument is not checked at login: outside the list none is
    // selected and the stored number stays.
    QTest::newRow("instrument past the list") << 1 << 128 << "";
    QTest::newRow("negative instrument") << 1 << -3 << "";
}

void tst_SettingsDialog::keyboardMusicOpensFromTheSettings()
{
    QFETCH(int, keyMusic);
    QFETCH(int, musicInst);
    QFETCH(QString, shown);
    m_settings.KeyMusic = qint16(keyMusic);
    m_settings.MusicInst = qint16(musicInst);
    open();
    QCOMPARE(child<QCheckBox>("KeyMusic")->isChecked(), keyMusic == 1);
    auto *instruments = child<QComboBox>("MusicInst");
    QCOMPARE(instruments->count(), 128);
    QCOMPARE(instruments->currentText(), shown);
    QCOMPARE(m_dialog->chosen(), m_settings);
    // Without MIDI routines there is nothing to listen with.
    QVERIFY(!child<KorvelButton>("listen")->isEnabled());
}

// The chosen instrument first, then the test note: the note before stops.
void tst_SettingsDialog::listenPlaysTheChosenLetter()
{
    open();
    FakeMidiOutput output;
    MidiOut midi(output, *m_prompter);
    m_dialog->setMidiOut(&midi);
    child<QListWidget>("pageList")->setCurrentRow(1); // the music page
    auto *letters = child<QComboBox>("keyLetter");
    QCOMPARE(letters->count(), 26);
    QCOMPARE(letters->itemText(25), QString("Z"));
    child<QComboBox>("MusicInst")->setCurrentText("Flute");
    letters->setCurrentText("J");
    auto *listen = child<KorvelButton>("listen");
    QCOMPARE(listen->text(), QString("听"));
    QTest::mouseClick(listen, Qt::LeftButton);
    QCOMPARE(output.sent, (QList<quint32>{0x0049C0, 0x000080, 0x7F2D90}));
    output.sent.clear();
    letters->setCurrentText("A");
    QTest::mouseClick(listen, Qt::LeftButton);
    QCOMPARE(output.sent, (QList<quint32>{0x0049C0, 0x002D80, 0x7F2490}));

    // A failing output: one box, without title.
    output.failure = QStringLiteral("没有可用的声音设备");
    QTest::mouseClick(listen, Qt::LeftButton);
    QCOMPARE(m_prompter->texts(), QStringList{"没有可用的声音设备"});
    QCOMPARE(m_prompter->asked().first().title, QString());
    // Listening chooses nothing: the settings change only by the list.
    QCOMPARE(m_dialog->chosen().MusicInst, 73);
}

// Every page changed, OK, applied and saved as a quit would: the file holds
// every change.
void tst_SettingsDialog::okAppliesEveryPage()
{
    open();
    clickItem("skinList", "jade");
    clickItem("musicList", "b.mid");
    child<QCheckBox>("cueMusic")->click();
    child<QCheckBox>("KeyMusic")->click();
    child<QComboBox>("MusicInst")->setCurrentText("Whistle");
    child<QComboBox>("P1Speed")->setCurrentIndex(3);
    child<QComboBox>("MaxTss")->setCurrentIndex(0);
    child<QComboBox>("P2MaxTime")->setCurrentIndex(0);
    child<QCheckBox>("EAutoRecite")->click();
    child<QComboBox>("InputMeans")->setCurrentText("拼音");
    child<QRadioButton>("window0")->click();
    child<QSlider>("Speed")->setValue(300);
    child<HotKeyBox>("CueKey")->setFocus();
    QTest::keyClick(child<HotKeyBox>("CueKey"), Qt::Key_F9);
    child<QComboBox>("BuiltInInput")->setCurrentText("开");
    QTest::mouseClick(child<KorvelButton>("okButton"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));

    QuietTarget target;
    applySettingsChoices(m_dialog->chosen(), m_settings, PracticeMode::Characters, target);
    QVERIFY(SaveSettings(m_settings, m_file, ProgramFolder(m_folder->path())));
    QCOMPARE(target.calls, QStringList({"skin jade", "play " + m_dialog->chosen().BackMusicpath, "reload 拼音",
                                        "restart 1"}));
    const QList<std::pair<QString, QString>> expected = {
        {"Skinpath", "jade"}, {"CueMusic", "0"},     {"KeyMusic", "1"},   {"MusicInst", "78"},
        {"P1Speed", "3"},     {"MaxTss", "1"},
        {"P2MaxTime", "5"},   {"EAutoRecite", "0"},  {"InputMeans", "拼音"}, {"Window", "0"},
        {"Speed", "300"},     {"CueKey", "120"},     {"内置输入法", "开"},
    };
    const QStringList sections = {"skin", "music", "play", "other"};
    for (const auto &[key, value] : expected) {
        QString found;
        for (const QString &section : sections)
            found += IniRead(section, key, m_file);
        QCOMPARE(found, value);
    }
    QVERIFY(IniRead("music", "BackMusicpath", m_file).endsWith("b.mid"));
    QCOMPARE(IniRead("user", "password", m_file), QString("959"));
}

void tst_SettingsDialog::cancelDiscards()
{
    const QByteArray before = m_folder->read("user/anna/Deplog.ini");
    open();
    clickItem("skinList", "jade");
    child<QComboBox>("P1Speed")->setCurrentIndex(3);
    child<QSlider>("Speed")->setValue(300);
    QTest::mouseClick(child<KorvelButton>("cancelButton"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->isVisible());
    // The caller applies nothing and the quit saves the settings as they were.
    QVERIFY(SaveSettings(m_settings, m_file, ProgramFolder(m_folder->path())));
    QCOMPARE(m_folder->read("user/anna/Deplog.ini"), before);
}

QTEST_MAIN(tst_SettingsDialog)
#include "tst_settingsdialog.moc"
