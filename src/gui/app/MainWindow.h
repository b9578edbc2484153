// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/ArticleViewButtons.h"
#include "core/app/ShellState.h"
#include "core/material/DrillEntry.h"
#include "core/material/SystemRandom.h"
#include "core/platform/ProgramFolder.h"
#include "core/sound/KeySoundSwitch.h"
#include "core/sound/KeyboardMusic.h"
#include "core/material/Language.h"
#include "core/practice/MeaningList.h"
#include "core/wubi/CodeTable.h"
#include "gui/practice/DrillServices.h"
#include "gui/app/ShellServices.h"
#include "gui/games/GamePanel.h"
#include "core/skins/SkinDescription.h"
#include "gui/app/ProgramButtonSounds.h"
#include "gui/app/WindowLook.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class CaptionBar;
class DelayTimer;
class ArticleEntries;
class BuiltInInputController;
class DrillPanel;
class EditBoxHook;
class InputBox;
class MainMenuBar;
class MidiOut;
class PracticePanel;
class ResultPanel;
class QLabel;
class QMenu;
class Speech;
class ToolBand;
struct UserSession;

// The main window `mian`: a frameless window with a drawn caption bar, the
// menu bar with its drop-down panels, the toolbar, and the top-level panels
// of which one is shown at a time: the start picture `Picture11`, the
// practice panel `Frame9`, the result panel `Frame10` (with the chart frame
// `Frame11`) and the game panel `Frame14`. It routes the menus, the toolbar
// and the caption buttons; the panels do the work.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(UserSession &session, const ProgramFolder &programFolder, ShellServices services,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The main-window load: window style, input-box hooks, size, speech,
    // music, skin, article view buttons, word lists, current articles, drill
    // mode, menu layout; the ready flag is set at its end.
    void load();
    bool isReady() const { return m_shell.ready; }

    ShellState &shell() { return m_shell; }
    UserSession &session() { return m_session; }
    const ProgramFolder &programFolder() const { return m_programFolder; }
    Prompter &prompter() { return m_services.prompter; }
    FileChooser &fileChooser() { return m_services.fileChooser; }
    // The look in use, which every dialog copies when it opens.
    const WindowLook &look() const { return m_look; }

    PracticePanel *Frame9() const { return m_Frame9; }
    // The drills of the practice panel's drill area.
    DrillPanel *drills() const { return m_drills; }
    Speech *speech() const { return m_speech; }
    // The MIDI routines of "听" and the keyboard music; null without a synthesizer.
    MidiOut *midiOut() const { return m_midiOut.get(); }
    CodeTable &codeTable() { return m_codeTable; }
    ResultPanel *Frame10() const { return m_Frame10; }
    QWidget *Frame11() const { return m_Frame11; }
    GamePanel *Frame14() const { return m_Frame14; }
    QLabel *Picture11() const { return m_Picture11; }
    // Shows one of the top-level panels (or the start picture) and hides the others.
    void showTopPanel(QWidget *panel);

    MainMenuBar *menuBar() const { return m_menuBar; }
    ToolBand *toolBand() const { return m_toolBand; }
    CaptionBar *captionBar() const { return m_captionBar; }
    QMenu *cklx() const { return m_cklx; }

    void Conceal_Menu();
    void clack_menu(int menu);
    void ArrangeMenus();
    // A mouse press on the widget closes an open menu.
    void closeMenusOnClick(QWidget *widget);

    QWidget *SetTextFocus();
    void Cleanup();
    // Sets up an article exercise in the view the Window setting chooses.
    void preliminary(Language language);

    // Shows the speaking face for a moment, letting other events run meanwhile.
    void face_change();
    void Delay(qint16 ticks);

    // Handlers, named after the control and its event.
    void SmartNetXpButtonm_Click(int menu, int entry);
    void KorvelButton3_Click(int index);
    void Picture6_Click();
    void Picture7_Click();
    void Picture8_Click();
    void mnuNormalView_Click();  // "模拟键盘"
    void mnuAbreastView_Click(); // "交替排列"

    // Ends the run the way "Yes" to the quit question does, without asking:
    // for the system's request to end the program (a termination signal),
    // whose caller then ends the event loop. A settings file that cannot be
    // written is logged, not shown: there may be no one left to answer.
    void quitWithoutAsking();

    // Skins. SkinDescription: the description ReadSkinFile read last.
    // LoadSkin dresses the window in it, with its pictures from the folder
    // Skinpath names; a picture that cannot be read or a colour that is not
    // a number shows "不能加载 " + Skinpath + " 文件！", returns to the
    // built-in look and clears Skinpath. UnloadSkin returns to the built-in
    // look. SkinLoaded: a skin dresses the window.
    SkinDescription &skinDescription() { return m_SkinDescription; }
    void LoadSkin();
    void UnloadSkin();
    bool SkinLoaded() const { return m_look.SkinLoaded; }
    // What choosing a skin in the settings does: a named skin becomes
    // Skinpath and, when its description can be read, dresses the window;
    // an empty name returns to the built-in look.
    void chooseSkin(const QString &name);
    // Writes the settings as they stand, for the session manager's "save
    // your data" before a logout; the run goes on. Failures are logged.
    void saveSettingsNow();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void hookInputBoxes();
    void unhookInputBoxes();
    // The built-in input method on every typing box, Chinese ones taking it.
    void attachBuiltInInput();
    bool expectsChinese(const InputBox *box) const;
    void showViewButtons();
    void openHelpPage(const QString &pageLiteral);
    void openWebPage(const QString &address);
    void showAbout();
    void popUpViewMenu(const QPoint &globalPosition);
    void switchArticleView(qint16 window);
    // Yes to the quit question, after the question: hide, close the help,
    // end the exercise, save, unhook.
    void endRun(bool showSaveFailure);
    void saveSettings(bool showFailure);

    // Sets the practice panel up for a drill entry of the menus.
    void openDrill(DrillEntry::Id id);

    // Load steps and entries of subsystems that arrive later; each is named
    // after what it will do.
    void playBackgroundMusic(const QString &file);
    void resumeBackgroundMusic();
    void stopBackgroundMusic();
    void applySkin();
    // Every part of the window takes the look in use.
    void applyLook();
    void loadMeaningList();
    void loadCodeTable();
    void showUserManager();
    void showSettingsDialog();
    void runPracticeEntry(int menu, int entry);
    void showResults(int entry);
    void openSaveDialog();

    UserSession &m_session;
    ProgramFolder m_programFolder;
    ShellServices m_services;
    ShellState m_shell;
    ProgramButtonSounds m_buttonSounds; // the push buttons' sounds
    SkinDescription m_SkinDescription;
    WindowLook m_look;                  // the look in use
    ArticleViewButtons m_viewButtons;

    CaptionBar *m_captionBar;
    MainMenuBar *m_menuBar;
    ToolBand *m_toolBand;
    QLabel *m_Picture11;         // start picture
    PracticePanel *m_Frame9;     // practice panel
    ResultPanel *m_Frame10;      // result panel
    QWidget *m_Frame11;          // chart frame of the result panel
    GamePanel *m_Frame14;        // game panel
    QLabel *m_Image4;            // the speaking face, kept hidden for face_change
    QMenu *m_cklx;               // view menu of the article input boxes
    DelayTimer *m_delay;         // tmrDelay and Delay
    EditBoxHook *m_hook;         // right-button hook of the input boxes
    KeySoundSwitch m_keySounds;  // key sounds while CueMusic is 1
    std::unique_ptr<MidiOut> m_midiOut; // MidiOut on the services' synthesizer
    KeyboardMusic m_keyMusic;    // letters played as notes while KeyMusic is 1
    CodeTable m_codeTable;       // the code lists of the input method
    MeaningList m_meanings;      // the English meaning list of the word hints
    SystemRandom m_random;       // the drills' draws
    Speech *m_speech;            // SpeakText, LastSpokenText, SpeechEngineReady
    std::unique_ptr<DrillVoice> m_drillVoice; // the drills' speech and speaking face
    DrillPanel *m_drills;        // the drills of the drill area
    ArticleEntries *m_articles;  // the article entries of the English and Chinese menus
    BuiltInInputController *m_builtInInput; // the program's own input method on the Chinese boxes
    bool m_ended = false;        // the run has ended; closing asks and saves nothing more
    QTimer m_giveBackMemory;     // shortly after a panel opens and has painted
};
