// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/PracticePanel.h"

#include "core/app/ShellState.h"
#include "core/platform/Twips.h"
#include "core/settings/Settings.h"
#include "core/material/DrillEntry.h"
#include "gui/practice/ArticleOptionBoxes.h"
#include "gui/practice/ArticleViews.h"
#include "gui/practice/KeyboardArea.h"
#include "gui/practice/StatisticsBar.h"
#include "gui/practice/TextFocus.h"
#include "widgets/OnScreenKeyboard.h"
#include "widgets/WubiKeyboard.h"

namespace {

constexpr int panelWidth = 589;         // 8835 twips
constexpr int statisticsWidth = 166;
constexpr int viewWidth = panelWidth - statisticsWidth - 4;
constexpr int drillHeightTwips = 3795;  // statistics bar beside the drills and the normal view
constexpr int abreastHeightTwips = 6525; // beside the abreast view, over the keyboards
constexpr int chooserHeight = 40;
constexpr int keyboardGap = 4;

} // namespace

PracticePanel::PracticePanel(Settings &settings, ShellState &shell, ArticleLookup lookup, QWidget *parent)
    : QFrame(parent), m_settings(settings), m_shell(shell),
      m_articleModel(settings, m_exercise, std::move(lookup)), m_Frame2(new StatisticsBar(this))
{
    setObjectName(QStringLiteral("Frame9"));
    setAccessibleName(QStringLiteral("练习"));

    const int drillHeight = Twips::toPixels(drillHeightTwips);
    m_Frame3 = makeFrame(QStringLiteral("Frame3"), this, QRect(0, 0, viewWidth, drillHeight));
    m_Frame4 = makeFrame(QStringLiteral("Frame4"), m_Frame3, QRect(0, 0, viewWidth, chooserHeight));
    m_Frame6 = makeFrame(QStringLiteral("Frame6"), m_Frame3, QRect(0, 0, viewWidth, chooserHeight));
    m_Frame5 = makeFrame(QStringLiteral("Frame5"), m_Frame3,
                         QRect(0, chooserHeight + 4, viewWidth, drillHeight - chooserHeight - 4));
    for (QFrame *chooser : {m_Frame4, m_Frame5, m_Frame6})
        chooser->hide();
    m_Frame7 = makeFrame(QStringLiteral("Frame7"), this, QRect(0, 0, viewWidth, drillHeight));
    m_Frame7->hide();
    m_Frame1 = makeFrame(QStringLiteral("Frame1"), this, QRect(0, drillHeight + keyboardGap, panelWidth, 0));
    m_LUMOJP1 = new OnScreenKeyboard(m_Frame1);
    m_LUMOJP1->setObjectName(QStringLiteral("LUMOJP1"));
    m_LUMOJP1->move((panelWidth - m_LUMOJP1->sizeHint().width()) / 2, 0);
    m_LUMOJP1->resize(m_LUMOJP1->sizeHint());
    m_lumo_wbjp1 = new WubiKeyboard(m_Frame1);
    m_lumo_wbjp1->setObjectName(QStringLiteral("lumo_wbjp1"));
    m_lumo_wbjp1->move((panelWidth - m_lumo_wbjp1->sizeHint().width()) / 2, 0);
    m_lumo_wbjp1->resize(m_lumo_wbjp1->sizeHint());
    m_keyboards = new KeyboardArea(m_LUMOJP1, m_lumo_wbjp1, [this] { SetTextFocus(); }, this);
    // The abreast view reaches the statistics bar, covering the keyboards.
    m_Frame15 = makeFrame(QStringLiteral("Frame15"), this, QRect(0, 0, panelWidth - statisticsWidth, 0));
    m_Frame15->hide();
    m_articleOptions = new ArticleOptionBoxes(m_settings, *m_keyboards, m_Frame7, m_Frame15,
                                              [this] { SetTextFocus(); }, this);
    m_articleViews =
        new ArticleViews(m_articleModel, m_settings, *m_articleOptions, m_Frame7, m_Frame15, m_Frame2, this);
    m_Frame2->setGeometry(panelWidth - statisticsWidth, 0, statisticsWidth, drillHeight);
    m_Frame2->raise();
    m_Frame1->raise();

    m_Timer2.setObjectName(QStringLiteral("Timer2"));
    m_Timer2.setInterval(1000);
    connect(&m_Timer2, &QTimer::timeout, &m_exercise, &Exercise::tick);
    connect(&m_exercise, &Exercise::clockRunningChanged, this, [this](bool running) {
        if (running)
            m_Timer2.start();
        else
            m_Timer2.stop();
    });
    connect(&m_exercise, &Exercise::labelsChanged, this, [this] { m_Frame2->showLabels(m_exercise.labels()); });
    connect(&m_exercise, &Exercise::countdownEnded, this, &PracticePanel::countdownEnded);
    connect(&m_articleModel, &ArticleModel::finished, this, &PracticePanel::articleFinished);
    connect(&m_articleModel, &ArticleModel::keySound, this, &PracticePanel::keySoundWanted);
    connect(&m_articleModel, &ArticleModel::speechWanted, this, &PracticePanel::speechWanted);
    connect(&m_articleModel, &ArticleModel::keyMarkWanted, m_LUMOJP1, &OnScreenKeyboard::xzjp);
    connect(&m_articleModel, &ArticleModel::wubiCodeWanted, m_lumo_wbjp1, &WubiKeyboard::load_wbm);
    connect(m_Frame2, &StatisticsBar::startClicked, this, &PracticePanel::KorvelButton1_Click);
    connect(m_Frame2, &StatisticsBar::pauseClicked, this, &PracticePanel::KorvelButton2_Click);
    m_Frame2->showLabels(m_exercise.labels());
}

QFrame *PracticePanel::makeFrame(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

void PracticePanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // The keyboard area and the abreast view reach down to the panel's bottom.
    // The window leaves less than the keyboard's height below the drill area,
    // so the keyboard moves up over the empty foot of the drill area and the
    // statistics bar rather than lose its bottom row.
    const int keyboardHeight = m_LUMOJP1->height();
    const int keyboardTop = std::max(0, std::min(Twips::toPixels(drillHeightTwips) + keyboardGap,
                                                 height() - keyboardHeight));
    m_Frame1->setGeometry(0, keyboardTop, m_Frame1->width(), height() - keyboardTop);
    m_Frame15->resize(m_Frame15->width(), height());
}

void PracticePanel::setStatisticsHeight(int twips)
{
    m_Frame2->resize(m_Frame2->width(), Twips::toPixels(twips));
}

void PracticePanel::showDrillArea()
{
    m_Frame7->hide();
    m_Frame15->hide();
    m_Frame3->show();
    showShortStatistics();
}

void PracticePanel::showShortStatistics()
{
    setStatisticsHeight(drillHeightTwips);
    m_Frame2->setAbreastHintsShown(false);
    // The abreast view raised the statistics bar over the keyboard area.
    m_Frame1->raise();
}

void PracticePanel::Cleanup()
{
    m_exercise.Cleanup(m_settings);
    emit cleanedUp();
}

void PracticePanel::preliminary(Language language)
{
    m_Frame3->hide();
    m_Frame7->show();
    if (m_settings.Window == 0)
        openNormalView(language);
    else
        openAbreastView(language);
}

void PracticePanel::openNormalView(Language language)
{
    m_Frame15->hide();
    setModeName(language);
    showArticleKeyboard(language);
    setArticleOptions(language);
    showShortStatistics();
    // RichTextBox2 takes the text from the input count on, all black, and
    // the emptied Text9 the focus and its first target.
    m_articleModel.open(language, ArticleModel::View::Normal);
}

void PracticePanel::openAbreastView(Language language)
{
    m_Frame15->show();
    m_Frame15->raise();
    m_Frame2->raise();
    setStatisticsHeight(abreastHeightTwips);
    m_Frame2->setAbreastHintsShown(true);
    setModeName(language);
    // The boxes first, so that the first line's hints find the code or
    // meaning lists their options load.
    setArticleOptions(language);
    // The text from where the normal view stood, cut into lines; the first
    // page shows with line 1 active.
    m_articleModel.open(language, ArticleModel::View::Abreast);
}

void PracticePanel::setModeName(Language language)
{
    m_shell.currentMode = language == Language::English ? PracticeMode::EnglishArticle : PracticeMode::ChineseArticle;
}

// The on-screen keyboard for English text and for input methods other than
// Wubi, the Wubi radical keyboard otherwise.
void PracticePanel::showArticleKeyboard(Language language)
{
    m_keyboards->showWubi(language == Language::Chinese && m_settings.InputMeans == WubiInputMeans);
}

void PracticePanel::setArticleOptions(Language language)
{
    m_articleOptions->open(language, m_settings.Window != 0);
}

QWidget *PracticePanel::SetTextFocus()
{
    return TextFocus::SetTextFocus(this);
}

void PracticePanel::KorvelButton1_Click()
{
    m_exercise.startClock();
    SetTextFocus();
}

void PracticePanel::KorvelButton2_Click()
{
    m_exercise.stopClock();
}
