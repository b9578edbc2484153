// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/MainWindow.h"

#include "core/app/HelpPages.h"
#include "core/app/MainMenus.h"
#include "core/app/MakerLinks.h"
#include "core/app/StartupMusic.h"
#include "core/material/DrillDraw.h"
#include "core/platform/FreedMemory.h"
#include "core/platform/Twips.h"
#include "core/platform/Prompter.h"
#include "core/platform/UrlOpener.h"
#include "core/settings/SettingsFile.h"
#include "core/skins/SkinFile.h"
#include "core/sound/MidiOut.h"
#include "core/sound/MusicOutput.h"
#include "core/sound/Speech.h"
#include "core/users/UserSession.h"
#include "gui/adaptive/KeystrokeRecorder.h"
#include "gui/app/AboutBox.h"
#include "gui/app/AppPictures.h"
#include "gui/app/CaptionBar.h"
#include "gui/app/CaptionButton.h"
#include "gui/app/DelayTimer.h"
#include "gui/app/EditBoxHook.h"
#include "gui/app/FramelessWindow.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainMenuBar.h"
#include "gui/app/ToolBand.h"
#include "core/results/FinishedExercise.h"
#include "gui/practice/ArticleEntries.h"
#include "gui/practice/ArticleOptionBoxes.h"
#include "gui/practice/BuiltInInput.h"
#include "gui/practice/BuiltInInputController.h"
#include "core/practice/DrillModel.h"
#include "core/users/AccountsLocation.h"
#include "widgets/InputBox.h"
#include "gui/results/ResultPanel.h"
#include "gui/results/SaveLogDialog.h"
#include "gui/settings/SettingsDialogController.h"
#include "gui/practice/KeyboardArea.h"
#include "gui/practice/DrillPanel.h"
#include "gui/practice/PracticePanel.h"
#include "gui/practice/SingleKeyDrill.h"
#include "gui/practice/StatisticsBar.h"
#include "gui/practice/TextFocus.h"
#include "gui/sound/KeyboardMusicFilter.h"
#include "gui/users/UserManagerDialog.h"
#include "widgets/KorvelButton.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QtDebug>

namespace {

constexpr int windowWidthTwips = 8970;
constexpr int windowHeightTwips = 7660;
constexpr int panelWidthTwips = 8835;
constexpr int rimWidth = FramelessWindow::rimWidth;
constexpr int panelGap = 1; // between the tool band and the panels

} // namespace

MainWindow::MainWindow(UserSession &session, const ProgramFolder &programFolder, ShellServices services,
                       QWidget *parent)
    : QWidget(parent),
      m_session(session),
      m_programFolder(programFolder),
      m_services(services),
      m_buttonSounds(programFolder, services.soundOutput),
      m_look(WindowLook::builtIn(&m_buttonSounds)),
      m_viewButtons(ArticleViewButtons::forWindowSetting(session.settings.Window)),
      m_captionBar(new CaptionBar(QStringLiteral("Qintara4.8"), m_look.pictures, this)),
      m_menuBar(new MainMenuBar(this)),
      m_toolBand(new ToolBand(this)),
      m_Picture11(new QLabel(this)),
      m_Frame9(new PracticePanel(session.settings, m_shell, ArticleLookup::of(m_codeTable, m_meanings), this)),
      m_Frame10(new ResultPanel(session.userFolder, services.prompter, this)),
      m_Frame11(m_Frame10->Frame11()),
      m_Frame14(new GamePanel({session.settings, m_codeTable, m_random, services.prompter, services.soundEffects},
                              m_shell,
                              {[this] { Conceal_Menu(); }, [this] { Cleanup(); }, [this] { showTopPanel(m_Frame14); },
                               [this] { showTopPanel(m_Picture11); }},
                              this)),
      m_Image4(new QLabel(this)),
      m_cklx(new QMenu(QStringLiteral("视图"), this)),
      m_delay(new DelayTimer(this)),
      m_hook(new EditBoxHook(this)),
      m_keySounds(session.settings, services.soundEffects),
      m_midiOut(services.midi ? std::make_unique<MidiOut>(*services.midi, services.prompter) : nullptr),
      m_keyMusic(session.settings, m_midiOut.get()),
      m_codeTable(programFolder, session.settings),
      m_meanings(programFolder),
      // The speech engine is probed here, once: SpeechEngineReady.
      m_speech(new Speech(services.speechEngine, services.soundOutput, services.prompter,
                          [this](const QString &page) {
                              const QString file = helpPagePath(m_programFolder, page);
                              return !file.isEmpty() && m_services.help.openPage(file);
                          },
                          this)),
      m_drillVoice(std::make_unique<DrillVoice>(*m_speech, session.settings, [this] { face_change(); })),
      m_drills(new DrillPanel(session.settings, m_Frame9->exercise(), m_codeTable,
                              DrillMaterial{programFolder, services.prompter, m_random}, *m_drillVoice,
                              m_keySounds, m_Frame9->keyboards(), m_Frame9->Frame3(), m_Frame9->Frame4(),
                              m_Frame9->Frame5(), m_Frame9->Frame6(), this)),
      m_articles(new ArticleEntries({programFolder, session.userFolder, services.prompter, m_random,
                                     services.urlOpener, services.fileChooser, m_look},
                                    session.settings, *m_Frame9, [this] { showTopPanel(m_Frame9); }, this)),
      m_builtInInput(new BuiltInInputController(
          session.settings, programFolder,
          BuiltInInputSwitch::systemInputMethodNamed(qEnvironmentVariable("QT_IM_MODULE"),
                                                     qEnvironmentVariable("XMODIFIERS")),
          {[this](const InputBox *box) { return expectsChinese(box); },
           [this] { return m_Frame9->exercise().secondsPractised(); }},
          this))
{
    setObjectName(QStringLiteral("mian"));
    setWindowTitle(QStringLiteral("Qintara4.8"));
    setAttribute(Qt::WA_DeleteOnClose);

    const int width = Twips::toPixels(windowWidthTwips);
    const int height = Twips::toPixels(windowHeightTwips);
    m_captionBar->setGeometry(0, 0, width, m_captionBar->height());
    const int inner = width - 2 * rimWidth;
    m_menuBar->setGeometry(rimWidth, m_captionBar->height(), inner, m_menuBar->height());
    m_toolBand->setGeometry(rimWidth, m_menuBar->geometry().bottom() + 1, inner, m_toolBand->height());
    const int panelTop = m_toolBand->geometry().bottom() + 1 + panelGap;
    const QRect panelPlace(rimWidth, panelTop, Twips::toPixels(panelWidthTwips), height - rimWidth - panelTop);
    for (QWidget *panel : {static_cast<QWidget *>(m_Picture11), static_cast<QWidget *>(m_Frame9), static_cast<QWidget *>(m_Frame10), static_cast<QWidget *>(m_Frame14)})
        panel->setGeometry(panelPlace);
    resize(width, height);

    m_giveBackMemory.setSingleShot(true);
    m_giveBackMemory.setInterval(500);
    connect(&m_giveBackMemory, &QTimer::timeout, this, &FreedMemory::giveBack);
    m_Picture11->setObjectName(QStringLiteral("Picture11"));
    m_Picture11->setScaledContents(true);
    m_Picture11->setAccessibleName(QStringLiteral("欢迎使用 Qintara，请从菜单选择练习内容"));
    showTopPanel(m_Picture11);

    m_Image4->setObjectName(QStringLiteral("Image4"));
    m_Image4->setPixmap(AppPictures::load(QStringLiteral("face")));
    m_Image4->hide();

    m_cklx->setObjectName(QStringLiteral("cklx"));
    QAction *normalView = m_cklx->addAction(QStringLiteral("模拟键盘"), this, &MainWindow::mnuNormalView_Click);
    normalView->setObjectName(QStringLiteral("mnuNormalView"));
    m_cklx->addSeparator();
    QAction *abreastView = m_cklx->addAction(QStringLiteral("交替排列"), this, &MainWindow::mnuAbreastView_Click);
    abreastView->setObjectName(QStringLiteral("mnuAbreastView"));

    connect(m_menuBar, &MainMenuBar::menuOpened, this, [this] { SetTextFocus(); });
    connect(m_menuBar, &MainMenuBar::menuOpened, m_Frame14, &GamePanel::pause);
    connect(m_menuBar, &MainMenuBar::entryChosen, this, &MainWindow::SmartNetXpButtonm_Click);
    connect(m_toolBand, &ToolBand::buttonClicked, this, &MainWindow::KorvelButton3_Click);
    connect(m_toolBand, &ToolBand::bandPressed, this, &MainWindow::Conceal_Menu);
    connect(m_captionBar, &CaptionBar::captionHovered, this, &MainWindow::Conceal_Menu);
    connect(m_captionBar->closeButton(), &QAbstractButton::clicked, this, &MainWindow::Picture6_Click);
    connect(m_captionBar->minimiseButton(), &QAbstractButton::clicked, this, &MainWindow::Picture7_Click);
    connect(m_captionBar->aboutButton(), &QAbstractButton::clicked, this, &MainWindow::Picture8_Click);
    connect(m_Frame9, &PracticePanel::countdownEnded, this, &MainWindow::openSaveDialog);
    connect(m_Frame9, &PracticePanel::articleFinished, this, &MainWindow::openSaveDialog);
    connect(m_Frame9, &PracticePanel::keySoundWanted, this, [this](KeySound sound) { m_keySounds.play(sound); });
    connect(m_Frame9, &PracticePanel::speechWanted, this, [this](const QString &text) { m_drillVoice->speak(text); });
    connect(m_speech, &Speech::speechOptionsSwitchedOff, m_drills, &DrillPanel::switchSpeechOptionsOff);
    connect(m_speech, &Speech::speechOptionsSwitchedOff, &m_Frame9->articleOptions(),
            &ArticleOptionBoxes::switchSpeechOptionsOff);
    const ArticleOptions &articleOptions = m_Frame9->articleOptions().options();
    connect(&articleOptions, &ArticleOptions::codeTableWanted, this, &MainWindow::loadCodeTable);
    connect(&articleOptions, &ArticleOptions::meaningListWanted, this, &MainWindow::loadMeaningList);

    attachBuiltInInput();
    if (services.keystrokeHistory) {
        auto *recorder = new KeystrokeRecorder(*services.keystrokeHistory, &QDateTime::currentMSecsSinceEpoch, this);
        recorder->watch(m_drills->model());
        recorder->watch(m_Frame9->articleModel());
        recorder->watch(m_builtInInput->input());
        connect(m_Frame9, &PracticePanel::cleanedUp, recorder, &KeystrokeRecorder::restart);
    }
    m_drills->setHistory(services.keystrokeHistory, &QDateTime::currentMSecsSinceEpoch);
    m_Frame10->setWeaknessSources(services.keystrokeHistory, &services.fileChooser, &QDateTime::currentMSecsSinceEpoch);
    // After the input method, so the letters reach the music before it takes them.
    auto *keyMusic = new KeyboardMusicFilter(m_keyMusic, this);
    for (const QString &name : TextFocus::boxNames())
        keyMusic->watch(findChild<QWidget *>(name));

    for (QWidget *quiet : {static_cast<QWidget *>(m_Frame9->Frame2()), static_cast<QWidget *>(m_Frame9->Frame3()),
                           static_cast<QWidget *>(m_Frame9->Frame5()), static_cast<QWidget *>(m_Frame10), m_Frame11,
                           static_cast<QWidget *>(m_Picture11)})
        closeMenusOnClick(quiet);
    applyLook();
}

MainWindow::~MainWindow() = default;

void MainWindow::load()
{
    // The drawn caption bar replaces the system's.
    setWindowFlag(Qt::FramelessWindowHint, true);
    hookInputBoxes();
    setFixedSize(Twips::toPixels(windowWidthTwips), Twips::toPixels(windowHeightTwips));
    FramelessWindow::centreOnScreen(this);
    for (QWidget *panel : {static_cast<QWidget *>(m_Frame10), static_cast<QWidget *>(m_Frame9), static_cast<QWidget *>(m_Frame14)})
        panel->resize(Twips::toPixels(panelWidthTwips), panel->height());
    m_shell.ready = false;

    const Settings &settings = m_session.settings;
    m_speech->setVoice(settings.Voice);
    m_shell.musicOn = settings.BackMusic == 1;
    if (const auto music = StartupMusic::choose(settings.BackMusic, settings.BackMusicpath, m_programFolder))
        playBackgroundMusic(*music);
    else
        stopBackgroundMusic();
    applySkin();
    m_viewButtons = ArticleViewButtons::forWindowSetting(settings.Window);
    showViewButtons();
    if (settings.EWordCue == 1)
        loadMeaningList();
    if (settings.CWordElect == 1)
        loadCodeTable();
    ArticleInUse &articles = m_Frame9->exercise().articles();
    articles.currentEnglish = settings.Earticle;
    articles.currentChinese = settings.Carticle;
    ArrangeMenus();
    m_shell.ready = true;
}

void MainWindow::hookInputBoxes()
{
    // The article boxes offer the view menu on the right button; the drill
    // boxes simply ignore it.
    const auto viewMenu = [this](QWidget *, const QPoint &globalPosition) { popUpViewMenu(globalPosition); };
    for (const QString &name : TextFocus::boxNames()) {
        QWidget *box = findChild<QWidget *>(name);
        const bool articleBox = name != u"Text1" && name != u"Text2";
        m_hook->HookEditBox(box, articleBox ? EditBoxHook::RightButtonHandler(viewMenu)
                                            : EditBoxHook::RightButtonHandler());
    }
}

void MainWindow::attachBuiltInInput()
{
    for (const QString &name : TextFocus::boxNames())
        m_builtInInput->attach(findChild<InputBox *>(name));
    connect(m_Frame14, &GamePanel::shootingMade, m_builtInInput, &BuiltInInputController::attach);
    connect(m_builtInInput, &BuiltInInputController::showInput, m_Frame9->Frame2(), &StatisticsBar::showInput);
    connect(m_Frame9, &PracticePanel::cleanedUp, m_builtInInput, &BuiltInInputController::restart);
    connect(&m_Frame9->exercise(), &Exercise::labelsChanged, m_builtInInput, &BuiltInInputController::refresh);
}

// The drill boxes follow the drill (characters, phrases, Chinese numbers),
// the article boxes the article's language; the shooting game shoots
// Chinese words only.
bool MainWindow::expectsChinese(const InputBox *box) const
{
    const QString name = box->objectName();
    if (name == u"Play3Text1")
        return true;
    if (name == u"Text1" || name == u"Text2")
        return m_drills->model().entry().chinese;
    return m_shell.currentMode == PracticeMode::ChineseArticle;
}

void MainWindow::unhookInputBoxes()
{
    for (const QString &name : TextFocus::boxNames())
        m_hook->UnhookEditBox(findChild<QWidget *>(name));
}

void MainWindow::showTopPanel(QWidget *panel)
{
    for (QWidget *top : {static_cast<QWidget *>(m_Picture11), static_cast<QWidget *>(m_Frame9), static_cast<QWidget *>(m_Frame10), static_cast<QWidget *>(m_Frame14)})
        top->setVisible(top == panel);
    // Opening a panel reads material and paints it anew, freeing much of
    // what that took; once it has settled, the free heap goes back.
    m_giveBackMemory.start();
    // The start picture is a large one that only the start panel shows.
    if (panel == m_Picture11) {
        if (m_Picture11->pixmap().isNull())
            m_Picture11->setPixmap(AppPictures::load(QStringLiteral("start")));
    } else {
        m_Picture11->clear();
    }
}

void MainWindow::showViewButtons()
{
    m_toolBand->button(ToolBand::NormalView)->setEnabled(m_viewButtons.normalEnabled());
    m_toolBand->button(ToolBand::AbreastView)->setEnabled(m_viewButtons.abreastEnabled());
}

void MainWindow::Conceal_Menu()
{
    m_menuBar->Conceal_Menu();
}

void MainWindow::clack_menu(int menu)
{
    m_menuBar->clack_menu(menu);
}

void MainWindow::ArrangeMenus()
{
    m_menuBar->ArrangeMenus();
}

void MainWindow::closeMenusOnClick(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        Conceal_Menu();
    return false;
}

QWidget *MainWindow::SetTextFocus()
{
    return m_Frame9->SetTextFocus();
}

void MainWindow::Cleanup()
{
    m_Frame9->Cleanup();
}

void MainWindow::preliminary(Language language)
{
    m_Frame10->hide();
    m_Frame9->preliminary(language);
}

void MainWindow::face_change()
{
    QLabel *spot = m_toolBand->faceSpot();
    spot->setPixmap(m_Image4->pixmap());
    Delay(2);
    spot->clear();
}

void MainWindow::Delay(qint16 ticks)
{
    m_delay->Delay(ticks);
}

void MainWindow::SmartNetXpButtonm_Click(int menu, int entry)
{
    Conceal_Menu();
    switch (menu) {
    case MainMenus::System:
        if (entry == MainMenus::UserManager)
            showUserManager();
        else if (entry == MainMenus::SettingsDialog)
            showSettingsDialog();
        break;
    case MainMenus::Help:
        switch (entry) {
        case MainMenus::HelpTopics: openHelpPage(welcomeHelpPage()); break;
        case MainMenus::OnlineUpdate: openWebPage(MakerLinks::downloadPage); break;
        case MainMenus::Forum: openWebPage(MakerLinks::guestBookPage); break;
        case MainMenus::HomePage: openWebPage(MakerLinks::homePage); break;
        case MainMenus::About: showAbout(); break;
        }
        break;
    default:
        runPracticeEntry(menu, entry);
        break;
    }
}

void MainWindow::KorvelButton3_Click(int index)
{
    Conceal_Menu();
    SetTextFocus();
    switch (index) {
    case ToolBand::RecentEnglish: SmartNetXpButtonm_Click(MainMenus::English, MainMenus::RecentArticle); break;
    case ToolBand::RecentChinese: SmartNetXpButtonm_Click(MainMenus::Chinese, MainMenus::RecentArticle); break;
    case ToolBand::Numbers: SmartNetXpButtonm_Click(MainMenus::Numbers, 1); break;
    case ToolBand::Games: SmartNetXpButtonm_Click(MainMenus::Games, 1); break;
    case ToolBand::Results: SmartNetXpButtonm_Click(MainMenus::Results, 1); break;
    case ToolBand::SystemSettings: showSettingsDialog(); break;
    case ToolBand::NormalView:
        if (m_viewButtons.press(ArticleViewButtons::View::Normal, m_shell.currentMode)) {
            mnuNormalView_Click();
            showViewButtons();
        }
        break;
    case ToolBand::AbreastView:
        if (m_viewButtons.press(ArticleViewButtons::View::Abreast, m_shell.currentMode)) {
            mnuAbreastView_Click();
            showViewButtons();
        }
        break;
    case ToolBand::Sound:
        if (m_shell.musicOn)
            stopBackgroundMusic();
        else
            resumeBackgroundMusic();
        m_shell.musicOn = !m_shell.musicOn;
        break;
    case ToolBand::Help: openHelpPage(helpPageFor(m_shell.currentMode)); break;
    }
}

void MainWindow::openHelpPage(const QString &pageLiteral)
{
    const QString file = helpPagePath(m_programFolder, pageLiteral);
    if (file.isEmpty() || !m_services.help.openPage(file))
        m_services.prompter.inform(QStringLiteral("无法打开帮助文件！"), QStringLiteral("提示"), Prompter::Icon::Error);
}

void MainWindow::openWebPage(const QString &address)
{
    m_services.urlOpener.open(QUrl(address));
}

void MainWindow::showAbout()
{
    AboutBox about(m_services.urlOpener, AccountsLocation::choose(m_programFolder), this);
    QRect place = about.rect();
    place.moveCenter(geometry().center());
    about.move(place.topLeft());
    about.exec();
}

void MainWindow::Picture6_Click()
{
    close();
}

void MainWindow::Picture7_Click()
{
    m_captionBar->minimiseButton()->showNormalPicture();
    showMinimized();
}

void MainWindow::Picture8_Click()
{
    showAbout();
    m_captionBar->aboutButton()->showNormalPicture();
}

void MainWindow::popUpViewMenu(const QPoint &globalPosition)
{
    // Only the other view is offered.
    const bool normalView = m_session.settings.Window == 0;
    const QList<QAction *> actions = m_cklx->actions();
    actions.first()->setEnabled(!normalView);
    actions.last()->setEnabled(normalView);
    m_cklx->popup(globalPosition);
}

void MainWindow::mnuNormalView_Click()
{
    switchArticleView(0);
}

void MainWindow::mnuAbreastView_Click()
{
    switchArticleView(1);
}

void MainWindow::switchArticleView(qint16 window)
{
    m_session.settings.Window = window;
    Exercise &exercise = m_Frame9->exercise();
    exercise.setEarlierCount(exercise.count(Exercise::Counter::Input));
    // The running exercise keeps its language: a fresh random language test
    // of mixed text could turn an English exercise Chinese half-way.
    preliminary(m_shell.currentMode == PracticeMode::EnglishArticle ? Language::English : Language::Chinese);
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        SetTextFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_ended) {
        event->accept();
        return;
    }
    event->ignore();
    const Prompter::Answer answer =
        m_services.prompter.ask(QStringLiteral("确实想退出Qintara吗？"), QStringLiteral("Qintara"),
                                Prompter::Icon::Question, Prompter::Buttons::YesNo);
    // The system may have ended the run while the question was open.
    if (m_ended)
        return;
    if (answer != Prompter::Answer::Yes) {
        m_captionBar->closeButton()->showNormalPicture();
        return;
    }
    endRun(true);
    event->accept();
}

void MainWindow::quitWithoutAsking()
{
    if (!m_ended)
        endRun(false);
}

void MainWindow::saveSettingsNow()
{
    if (!m_ended)
        saveSettings(false);
}

void MainWindow::endRun(bool showSaveFailure)
{
    m_ended = true;
    hide();
    m_services.help.closeAll();
    // Ending the exercise stores the place reached in an article opened from
    // the menu, which would otherwise be lost with a direct quit.
    Cleanup();
    saveSettings(showSaveFailure);
    unhookInputBoxes();
}

void MainWindow::saveSettings(bool showFailure)
{
    const QString file = ProgramFolder::resolve(m_session.userFolder, QStringLiteral("\\Deplog.ini"));
    QString error;
    if (SaveSettings(m_session.settings, file, m_programFolder, &error))
        return;
    // The run's changes would be lost without a word.
    const QString text = QStringLiteral("设置未能保存：") + error;
    if (showFailure)
        m_services.prompter.inform(text, QStringLiteral("提示"), Prompter::Icon::Warning);
    else
        qWarning().noquote() << text;
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    FramelessWindow::paintFace(painter, rect(), m_captionBar->height(), m_look);
}

void MainWindow::playBackgroundMusic(const QString &file)
{
    if (m_services.music)
        m_services.music->play(file);
}

void MainWindow::resumeBackgroundMusic()
{
    if (m_services.music)
        m_services.music->resume();
}

void MainWindow::stopBackgroundMusic()
{
    if (m_services.music)
        m_services.music->stop();
}

// The stored skin, when its description exists and can be read; otherwise
// the built-in look stays, without a word.
void MainWindow::applySkin()
{
    const QString name = m_session.settings.Skinpath;
    if (name.isEmpty())
        return;
    const QString file = SkinFile::descriptionFile(m_programFolder, name);
    if (QFileInfo(file).isFile() && ReadSkinFile(file, m_SkinDescription))
        LoadSkin();
}

void MainWindow::chooseSkin(const QString &name)
{
    m_session.settings.Skinpath = name;
    if (name.isEmpty()) {
        UnloadSkin();
        return;
    }
    // A description that cannot be read leaves the look as it is.
    if (ReadSkinFile(SkinFile::descriptionFile(m_programFolder, name), m_SkinDescription))
        LoadSkin();
}

void MainWindow::LoadSkin()
{
    const QString name = m_session.settings.Skinpath;
    const std::optional<LookColors> colors = LookColors::fromSkin(m_SkinDescription);
    const std::optional<WindowPictures> pictures =
        colors ? WindowPictures::fromSkin(SkinFile::folder(m_programFolder, name), m_SkinDescription,
                                          devicePixelRatioF())
               : std::nullopt;
    if (!colors || !pictures) {
        m_services.prompter.inform(QStringLiteral("不能加载 ") + name + QStringLiteral(" 文件！"),
                                   QStringLiteral("皮肤文件错误"), Prompter::Icon::Information);
        // Not tried again at the next start.
        UnloadSkin();
        m_session.settings.Skinpath.clear();
        return;
    }
    m_look.pictures = *pictures;
    m_look.colors = *colors;
    m_look.SkinLoaded = true;
    applyLook();
}

void MainWindow::UnloadSkin()
{
    m_look = WindowLook::builtIn(&m_buttonSounds);
    applyLook();
}

void MainWindow::applyLook()
{
    const LookColors &colors = m_look.colors;
    // The window colour behind the frames and check boxes and the label
    // colour of every label and check box; parts with colours of their own
    // (the statistics, the article views, the keyboards) keep them.
    FramelessWindow::useColours(this, m_look, true);
    m_captionBar->setPictures(m_look.pictures);
    m_captionBar->setTitleColor(colors.caption);
    m_menuBar->setColors(colors);
    for (KorvelButton *button : findChildren<KorvelButton *>()) {
        if (button->window() != this)
            continue;
        button->setXPColorHover(QColor(240, 179, 77));
        button->setXPColorPressed(QColor(60, 105, 225));
        button->setSounds(m_look.sounds);
    }
    m_toolBand->setBackColor(colors.window);
    m_toolBand->setTextColor(m_look.SkinLoaded ? colors.labelText : QColor());
    // The chart frame is white with black writing in every look.
    QPalette chart = m_Frame11->palette();
    chart.setColor(QPalette::Window, Qt::white);
    chart.setColor(QPalette::WindowText, Qt::black);
    m_Frame11->setPalette(chart);
    update();
}

// A word list that cannot be read leaves the lines read before it; the word
// hints carry on with what there is, and the next call tries again while
// nothing was read.
void MainWindow::loadMeaningList()
{
    m_meanings.LoadMeaningList();
}

// A list that cannot be read leaves the lists read before it; smart word
// choice and the code hints carry on with what there is, and every lookup
// tries the load again while the character list is empty.
void MainWindow::loadCodeTable()
{
    m_codeTable.LoadCodeTable(m_session.settings.InputMeans);
}

// The user manager `user`, shown modally; it may delete any account but the
// logged-in one.
void MainWindow::showUserManager()
{
    UserManagerDialog dialog(AccountsLocation::choose(m_programFolder), m_session.userFolder, m_services.prompter, m_look, this);
    dialog.exec();
}

// The settings dialog `setting`, shown modally.
void MainWindow::showSettingsDialog()
{
    SettingsDialogController controller(
        *this, {[this](const QString &file) { playBackgroundMusic(file); }, [this] { stopBackgroundMusic(); }});
    if (controller.exec())
        m_builtInInput->settingsChanged();
}

// The save dialog `frmsavelog` of a finished article or countdown, shown
// modally; afterwards the start picture takes the practice panel's place.
void MainWindow::openSaveDialog()
{
    FinishedExercise finished =
        FinishedExercise::of(m_Frame9->exercise(), m_articles->title(), m_articles->categoryFolder());
    if (m_builtInInput->input().metrics().keys() > 0)
        finished.keystrokes = m_builtInInput->figuresText();
    SaveLogDialog dialog(m_session.userFolder, finished, m_services.prompter, m_random, m_look, this);
    dialog.exec();
    showTopPanel(m_Picture11);
    m_Picture11->setFocus();
}

// The drill and article entries of the English, Chinese and numbers menus,
// the games and the result views.
void MainWindow::runPracticeEntry(int menu, int entry)
{
    if (const std::optional<DrillEntry::Id> drill = DrillEntry::forMenu(menu, entry)) {
        openDrill(*drill);
        return;
    }
    if (menu == MainMenus::Results) {
        showResults(entry);
        return;
    }
    if (menu == MainMenus::Games) {
        m_Frame14->startGame(entry);
        return;
    }
    if (menu != MainMenus::English && menu != MainMenus::Chinese)
        return;
    const Language language = menu == MainMenus::English ? Language::English : Language::Chinese;
    Conceal_Menu();
    switch (entry) {
    case 3: m_articles->openArticleDialog(language); break;
    case 4: m_articles->chooseArticle(language); break;
    case MainMenus::RecentArticle: m_articles->openRecentArticle(language); break;
    default: break;
    }
}

// "成绩记录(&A)" lists the records, "成绩分析(&P)" draws the chart, "弱项分析(&W)"
// shows the weaknesses.
void MainWindow::showResults(int entry)
{
    if (entry < 1 || entry > 3)
        return;
    Conceal_Menu();
    Cleanup();
    m_shell.currentMode = entry == 1 ? PracticeMode::ResultRecords : PracticeMode::ResultAnalysis;
    showTopPanel(m_Frame10);
    if (entry == 1)
        m_Frame10->showRecords();
    else if (entry == 2)
        m_Frame10->showChart();
    else
        m_Frame10->showWeaknesses();
}

void MainWindow::openDrill(DrillEntry::Id id)
{
    Conceal_Menu();
    m_Frame9->exercise().clearCountdown();
    m_shell.currentMode = DrillEntry::entry(id).mode;
    Cleanup();
    showTopPanel(m_Frame9);
    m_Frame9->showDrillArea();
    m_drills->openDrill(id);
}
