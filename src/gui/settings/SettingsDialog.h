// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/ProgramFolder.h"
#include "core/settings/Settings.h"
#include "gui/app/WindowLook.h"

#include <QDialog>

#include <functional>
#include <optional>

class ColourChooser;
class HotKeyBox;
class KorvelButton;
class MidiOut;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QStackedWidget;
class Speech;

// The settings dialog `setting` ("系统设置"): four pages chosen from an icon
// list (skins "jmsz", music and sounds "yusz", games "yxsz", other options
// "qtsz") that edit a copy of the settings. OK ("确   定") accepts the
// dialog, after which chosen() holds the edited copy for
// applySettingsChoices; Cancel ("取   消") rejects it and nothing changes.
// Controls are named after the setting they edit.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Opens the playlist window from the music list's user-defined entry;
    // the music it leaves chosen, or nullopt when nothing was chosen.
    using PlaylistOpener = std::function<std::optional<QString>()>;

    // settings: the values the dialog starts from. speech says the test
    // word; colours answers the two swatches. Both must outlive the dialog.
    SettingsDialog(const Settings &settings, const ProgramFolder &program, const WindowLook &look,
                   Speech &speech, ColourChooser &colours, QWidget *parent = nullptr);

    void setPlaylistOpener(PlaylistOpener opener) { m_openPlaylist = std::move(opener); }

    // The MIDI routines "听" plays through; null (the default) leaves the
    // button disabled. Must outlive the dialog.
    void setMidiOut(MidiOut *midi);

    // The settings as the controls show them.
    Settings chosen() const;

    // The music list's last entry, which opens the playlist window.
    static const QString userMusicEntry;

private:
    QWidget *makeSkinPage();
    QWidget *makeMusicPage();
    QWidget *makeGamePage();
    QWidget *makeOtherPage();
    void fillSkinList();
    void fillMusicList();
    void skinList_Click();
    void musicList_Click();
    void backMusic_Click();
    void listen_Click();
    void chooseColour(QPushButton *swatch, qint32 &colour);
    void showColour(QPushButton *swatch, qint32 colour);
    void Speed_Change();
    void speechTest_Click();

    Settings m_settings; // as the dialog opened
    ProgramFolder m_program;
    WindowLook m_look;
    Speech &m_speech;
    ColourChooser &m_colours;
    PlaylistOpener m_openPlaylist;
    MidiOut *m_midi = nullptr;

    QString m_chosenSkin;      // empty for "默认皮肤"
    QString m_chosenMusic;
    qint32 m_rightColour = 0;  // 0x00BBGGRR
    qint32 m_errorColour = 0;

    QListWidget *m_pageList;   // the four page entries
    QStackedWidget *m_pages;
    QListWidget *m_skinList;   // "界面方案："
    QLabel *m_skinPreview;     // "预览："
    QLabel *m_skinNote;        // in the frame "说明"
    QCheckBox *m_backMusic;    // "背景音乐"
    QListWidget *m_musicList;  // the "*.mid" files and the user-defined entry
    QLabel *m_musicChoice;     // "当前选择：..."
    QCheckBox *m_cueMusic;     // "提示音乐"
    QCheckBox *m_KeyMusic;     // "键盘音乐"
    QComboBox *m_MusicInst;    // "乐器：", the 128 General MIDI instruments
    QComboBox *m_keyLetter;    // the letters A to Z whose note "听" plays
    KorvelButton *m_listen;    // "听"
    QComboBox *m_InputMeans;   // "输入法："
    QButtonGroup *m_window;    // "上下对照" (0), "交替对照" (1)
    QPushButton *m_RightColor; // swatch beside "正确颜色"
    QPushButton *m_ErrorColor; // swatch beside "错误颜色"
    QSlider *m_Speed;          // speech rate, 90 to 300
    QLabel *m_speedLabel;      // "朗读语速：" + rate
    KorvelButton *m_speechTest; // "  测  试"
    HotKeyBox *m_ReciteKey;    // beside "单词朗读"
    HotKeyBox *m_CueKey;       // beside "编码提示"
    QComboBox *m_BuiltInInput; // "内置输入法"
};
