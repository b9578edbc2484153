// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/settings/SettingsDialog.h"

#include "core/platform/ColourChooser.h"
#include "core/platform/FolderFiles.h"
#include "core/settings/BuiltInInputMode.h"
#include "core/settings/SkinList.h"
#include "core/skins/SkinFile.h"
#include "core/sound/GeneralMidiInstruments.h"
#include "core/sound/MidiOut.h"
#include "core/sound/Speech.h"
#include "gui/app/DialogSkin.h"
#include "gui/platform/PictureFile.h"
#include "gui/settings/HotKeyBox.h"
#include "gui/users/AccountWindowParts.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/WindowRim.h"
#include "widgets/KorvelButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

const QString SettingsDialog::userMusicEntry = QStringLiteral("** 用户自定义背景音乐 **");

namespace {

const QString choiceCaption = QStringLiteral("当前选择：");
const QString musicOff = QStringLiteral("当前选择：禁止播放背景音乐。");

// A drop-down of the games page: its items and the setting it edits, which
// holds the list position plus offset.
struct GameBox
{
    const char16_t *game;    // the frame
    const char16_t *caption; // the label before it
    qint16 Settings::*field; // also the object name
    const char *name;
    QStringList items;
    int offset;
};

QList<GameBox> gameBoxes()
{
    const QStringList contents = {QStringLiteral("小写字母"), QStringLiteral("大写字母"), QStringLiteral("数字练习"),
                                  QStringLiteral("所有混合"), QStringLiteral("五笔字根")};
    const QStringList speeds = {QStringLiteral("慢"), QStringLiteral("中"), QStringLiteral("快"),
                                QStringLiteral("极快")};
    QStringList targets;
    for (int count = 1; count <= 9; ++count)
        targets.append(QString::number(count));
    QStringList seconds;
    for (int second = 5; second <= 10; ++second)
        seconds.append(QString::number(second));
    const QStringList words = {QStringLiteral("单字练习"), QStringLiteral("二字词组"), QStringLiteral("三字词组"),
                               QStringLiteral("四字词组")};
    return {
        {u"青蛙吃虫", u"练习内容：", &Settings::P1Text, "P1Text", contents, 0},
        {u"青蛙吃虫", u"游戏速度：", &Settings::P1Speed, "P1Speed", speeds, 0},
        {u"打田鼠", u"练习内容：", &Settings::P2Text, "P2Text", contents, 0},
        {u"打田鼠", u"田鼠个数：", &Settings::MaxTss, "MaxTss", targets, 1},
        {u"打田鼠", u"游戏速度：", &Settings::P2Speed, "P2Speed", speeds, 0},
        {u"打田鼠", u"消失时间：", &Settings::P2MaxTime, "P2MaxTime", seconds, 5},
        {u"打字精英", u"练习内容：", &Settings::P3Text, "P3Text", words, 0},
        {u"打字精英", u"游戏速度：", &Settings::P3Speed, "P3Speed", speeds, 0},
    };
}

// A check box of the other page and the 0/1 setting it edits.
struct OptionBox
{
    const char16_t *group;
    const char16_t *caption;
    qint16 Settings::*field;
    const char *name;
};

const OptionBox OptionBoxes[] = {
    {u"中文练习", u"编码提示(单字及词组练习)", &Settings::CWordCue, "CWordCue"},
    {u"中文练习", u"智能选词(文章练习)", &Settings::CWordElect, "CWordElect"},
    {u"中文练习", u"编码提示(文章练习)", &Settings::CAWordCue, "CAWordCue"},
    {u"英文练习", u"自动朗读(字母及单词练习)", &Settings::EWordRecite, "EWordRecite"},
    {u"英文练习", u"单词提示(文章练习)", &Settings::EWordCue, "EWordCue"},
    {u"英文练习", u"自动朗读(文章练习)", &Settings::EAutoRecite, "EAutoRecite"},
};

QString text(const char16_t *literal)
{
    return QString::fromUtf16(literal);
}

// Settings colours are 0x00BBGGRR; one with the top bit set names a system colour.
QColor colourOf(qint32 value)
{
    return SkinFile::colour(QString::number(value)).value_or(QColor(Qt::black));
}

qint32 valueOf(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

QGroupBox *group(const QString &title, QLayout *layout)
{
    auto *box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

} // namespace

SettingsDialog::SettingsDialog(const Settings &settings, const ProgramFolder &program,
                               const WindowLook &look, Speech &speech, ColourChooser &colours,
                               QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_program(program)
    , m_look(look)
    , m_speech(speech)
    , m_colours(colours)
    , m_chosenMusic(settings.BackMusicpath)
    , m_rightColour(settings.RightColor)
    , m_errorColour(settings.ErrorColor)
{
    setObjectName(QStringLiteral("setting"));
    setModal(true);
    auto *rim = new WindowRim(QStringLiteral("系统设置"), m_look, this);
    connect(rim->titleStrip(), &TitleStrip::closeClicked, this, &QDialog::reject);

    m_pageList = new QListWidget;
    m_pageList->setObjectName(QStringLiteral("pageList"));
    m_pageList->setAccessibleName(QStringLiteral("设置页"));
    m_pageList->setViewMode(QListView::IconMode);
    m_pageList->setFlow(QListView::TopToBottom);
    m_pageList->setMovement(QListView::Static);
    m_pageList->setIconSize(QSize(32, 32));
    m_pageList->setSpacing(6);
    m_pageList->setFixedWidth(92);
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("pages"));

    // Entry text, key, icon and page, in the order of the list.
    const struct
    {
        const char16_t *text;
        const char *key;
        QStyle::StandardPixmap icon;
        QWidget *page;
    } pages[] = {
        {u"界面设置", "jmsz", QStyle::SP_DesktopIcon, makeSkinPage()},
        {u"音乐设置", "yusz", QStyle::SP_MediaVolume, makeMusicPage()},
        {u"游戏设置", "yxsz", QStyle::SP_ComputerIcon, makeGamePage()},
        {u"其它设置", "qtsz", QStyle::SP_FileDialogDetailedView, makeOtherPage()},
    };
    for (const auto &page : pages) {
        auto *item = new QListWidgetItem(style()->standardIcon(page.icon), text(page.text), m_pageList);
        item->setData(Qt::UserRole, QString::fromLatin1(page.key));
        page.page->setObjectName(QString::fromLatin1(page.key));
        m_pages->addWidget(page.page);
    }
    connect(m_pageList, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_pageList->setCurrentRow(0);

    auto *ok = makeDialogButton(QStringLiteral("okButton"), QStringLiteral("确   定"));
    auto *cancel = makeDialogButton(QStringLiteral("cancelButton"), QStringLiteral("取   消"));
    connect(ok, &KorvelButton::clicked, this, &QDialog::accept);
    connect(cancel, &KorvelButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *middle = new QHBoxLayout;
    middle->addWidget(m_pageList);
    middle->addWidget(m_pages, 1);
    auto *layout = new QVBoxLayout(rim->body());
    layout->setContentsMargins(12, 10, 12, 12);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    setFixedSize(620, 500);
    DialogSkin::take(this, m_look, true);
}

QWidget *SettingsDialog::makeSkinPage()
{
    auto *page = new QWidget;
    m_skinList = new QListWidget;
    m_skinList->setObjectName(QStringLiteral("skinList"));
    m_skinPreview = new QLabel;
    m_skinPreview->setObjectName(QStringLiteral("skinPreview"));
    m_skinPreview->setFixedSize(240, 180);
    m_skinPreview->setAlignment(Qt::AlignCenter);
    m_skinPreview->setAccessibleName(QStringLiteral("预览"));
    m_skinNote = new QLabel;
    m_skinNote->setObjectName(QStringLiteral("skinNote"));
    m_skinNote->setWordWrap(true);
    m_skinNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_skinNote->setAccessibleDescription(QStringLiteral("说明"));

    auto *note = new QVBoxLayout;
    note->addWidget(m_skinNote);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("预览：")));
    right->addWidget(m_skinPreview);
    right->addWidget(group(QStringLiteral("说明"), note), 1);
    auto *left = new QVBoxLayout;
    left->addWidget(buddyLabel(QStringLiteral("界面方案："), m_skinList));
    left->addWidget(m_skinList, 1);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(m_skinList, &QListWidget::currentRowChanged, this, &SettingsDialog::skinList_Click);
    fillSkinList();
    return page;
}

void SettingsDialog::fillSkinList()
{
    const QStringList skins = SkinList::listedSkins(m_program);
    m_skinList->addItems(skins);
    m_skinList->addItem(SkinList::builtInEntry);
    const qsizetype stored = skins.indexOf(m_settings.Skinpath);
    m_skinList->setCurrentRow(stored >= 0 ? int(stored) : int(skins.size()));
}

void SettingsDialog::skinList_Click()
{
    const int row = m_skinList->currentRow();
    if (row < 0)
        return;
    if (row == m_skinList->count() - 1) {
        m_chosenSkin.clear();
        m_skinNote->setText(SkinList::builtInNote());
        // The built-in look's own title picture stands for it.
        m_skinPreview->setPixmap(WindowLook::builtIn().pictures.caption.scaled(
            m_skinPreview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        return;
    }
    m_chosenSkin = m_skinList->item(row)->text();
    m_skinNote->setText(SkinList::note(m_program, m_chosenSkin));
    const QPixmap preview = PictureFile::read(QDir(SkinFile::folder(m_program, m_chosenSkin)).filePath(QStringLiteral("preview.bmp")));
    m_skinPreview->setPixmap(preview.isNull() ? QPixmap()
                                              : preview.scaled(m_skinPreview->size(), Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation));
}

QWidget *SettingsDialog::makeMusicPage()
{
    auto *page = new QWidget;
    m_backMusic = new QCheckBox(QStringLiteral("背景音乐"));
    m_backMusic->setObjectName(QStringLiteral("backMusic"));
    m_musicList = new QListWidget;
    m_musicList->setObjectName(QStringLiteral("musicList"));
    m_musicList->setAccessibleName(QStringLiteral("背景音乐"));
    m_musicChoice = new QLabel;
    m_musicChoice->setObjectName(QStringLiteral("musicChoice"));
    m_musicChoice->setWordWrap(true);
    m_cueMusic = new QCheckBox(QStringLiteral("提示音乐"));
    m_cueMusic->setObjectName(QStringLiteral("cueMusic"));

    // Keyboard music: the switch, the instrument the letters play, and a
    // letter to try it with.
    m_KeyMusic = new QCheckBox(QStringLiteral("键盘音乐"));
    m_KeyMusic->setObjectName(QStringLiteral("KeyMusic"));
    m_MusicInst = new QComboBox;
    m_MusicInst->setObjectName(QStringLiteral("MusicInst"));
    m_MusicInst->addItems(GeneralMidiInstruments::names());
    m_MusicInst->setMaxVisibleItems(16);
    m_keyLetter = new QComboBox;
    m_keyLetter->setObjectName(QStringLiteral("keyLetter"));
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        m_keyLetter->addItem(QString(QChar(letter)));
    m_listen = makeDialogButton(QStringLiteral("listen"), QStringLiteral("听"));
    m_listen->setMinimumSize(60, 28);
    m_listen->setAccessibleDescription(QStringLiteral("试听所选乐器演奏所选字母的音符"));
    m_listen->setEnabled(false);
    connect(m_listen, &KorvelButton::clicked, this, &SettingsDialog::listen_Click);
    auto *instrument = new QHBoxLayout;
    instrument->addWidget(buddyLabel(QStringLiteral("乐器："), m_MusicInst));
    instrument->addWidget(m_MusicInst, 1);
    instrument->addSpacing(12);
    instrument->addWidget(buddyLabel(QStringLiteral("字母："), m_keyLetter));
    instrument->addWidget(m_keyLetter);
    instrument->addWidget(m_listen);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_backMusic);
    layout->addWidget(m_musicList, 1);
    layout->addWidget(m_musicChoice);
    layout->addWidget(m_cueMusic);
    layout->addWidget(m_KeyMusic);
    layout->addWidget(group(QStringLiteral("乐器试听"), instrument));

    m_backMusic->setChecked(m_settings.BackMusic == 1);
    m_musicChoice->setText(m_settings.BackMusic == 1 ? choiceCaption + m_chosenMusic : musicOff);
    connect(m_backMusic, &QCheckBox::toggled, this, &SettingsDialog::backMusic_Click);
    fillMusicList();
    connect(m_musicList, &QListWidget::itemClicked, this, &SettingsDialog::musicList_Click);
    m_cueMusic->setChecked(m_settings.CueMusic == 1);
    m_KeyMusic->setChecked(m_settings.KeyMusic == 1);
    // A stored instrument outside the list leaves none selected; it stays.
    const bool listed = m_settings.MusicInst >= 0 && m_settings.MusicInst < m_MusicInst->count();
    m_MusicInst->setCurrentIndex(listed ? m_settings.MusicInst : -1);
    return page;
}

void SettingsDialog::setMidiOut(MidiOut *midi)
{
    m_midi = midi;
    m_listen->setEnabled(m_midi != nullptr);
}

// The instrument is chosen first, so the note sounds as the list shows it.
void SettingsDialog::listen_Click()
{
    if (!m_midi)
        return;
    if (m_midi->ProgramChange(0, GeneralMidiInstruments::programOf(m_MusicInst->currentIndex())))
        m_midi->TestNote(m_keyLetter->currentIndex());
}

void SettingsDialog::fillMusicList()
{
    m_musicList->addItems(FolderFiles::namesEndingIn(m_program.path(QStringLiteral("\\Music\\")), u".mid"));
    m_musicList->addItem(userMusicEntry);
}

void SettingsDialog::backMusic_Click()
{
    m_musicChoice->setText(m_backMusic->isChecked() ? choiceCaption + m_chosenMusic : musicOff);
}

void SettingsDialog::musicList_Click()
{
    QListWidgetItem *item = m_musicList->currentItem();
    if (!item)
        return;
    m_backMusic->setChecked(true);
    if (item->text() == userMusicEntry) {
        if (!m_openPlaylist)
            return;
        if (const std::optional<QString> music = m_openPlaylist()) {
            m_chosenMusic = *music;
            backMusic_Click();
        }
        return;
    }
    m_chosenMusic = m_program.path(QStringLiteral("\\Music\\")) + QLatin1Char('/') + item->text();
    m_musicChoice->setText(choiceCaption + item->text());
}

QWidget *SettingsDialog::makeGamePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QString game;
    QGridLayout *grid = nullptr;
    for (const GameBox &box : gameBoxes()) {
        if (text(box.game) != game) {
            game = text(box.game);
            grid = new QGridLayout;
            layout->addWidget(group(game, grid));
        }
        auto *combo = new QComboBox;
        combo->setObjectName(QString::fromLatin1(box.name));
        combo->addItems(box.items);
        combo->setCurrentIndex(m_settings.*box.field - box.offset);
        const int row = grid->count() / 2;
        grid->addWidget(buddyLabel(text(box.caption), combo), row, 0);
        grid->addWidget(combo, row, 1);
    }
    layout->addStretch(1);
    return page;
}

QWidget *SettingsDialog::makeOtherPage()
{
    auto *page = new QWidget;

    // Chinese practice: the input method, then three boxes.
    m_InputMeans = new QComboBox;
    m_InputMeans->setObjectName(QStringLiteral("InputMeans"));
    m_InputMeans->addItems(QDir(m_program.path(QStringLiteral("\\Chinese\\")))
                               .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    m_InputMeans->setCurrentIndex(m_InputMeans->findText(m_settings.InputMeans));
    m_BuiltInInput = new QComboBox;
    m_BuiltInInput->setObjectName(QStringLiteral("BuiltInInput"));
    m_BuiltInInput->addItems(builtInInputModeNames());
    m_BuiltInInput->setCurrentIndex(std::max(0, m_BuiltInInput->findText(m_settings.BuiltInInput)));
    auto *chinese = new QGridLayout;
    chinese->addWidget(buddyLabel(QStringLiteral("输入法："), m_InputMeans), 0, 0);
    chinese->addWidget(m_InputMeans, 0, 1);
    chinese->addWidget(buddyLabel(QStringLiteral("内置输入法"), m_BuiltInInput), 1, 0);
    chinese->addWidget(m_BuiltInInput, 1, 1);
    auto *english = new QVBoxLayout;
    for (const OptionBox &option : OptionBoxes) {
        auto *box = new QCheckBox(text(option.caption));
        box->setObjectName(QString::fromLatin1(option.name));
        box->setChecked(m_settings.*option.field == 1);
        if (text(option.group) == QStringLiteral("中文练习"))
            chinese->addWidget(box, chinese->rowCount(), 0, 1, 2);
        else
            english->addWidget(box);
    }

    // The article window: the option numbered Window.
    m_window = new QButtonGroup(this);
    auto *window = new QVBoxLayout;
    const QString views[] = {QStringLiteral("上下对照"), QStringLiteral("交替对照")};
    for (int id = 0; id < 2; ++id) {
        auto *option = new QRadioButton(views[id]);
        option->setObjectName(QStringLiteral("window%1").arg(id));
        m_window->addButton(option, id);
        window->addWidget(option);
    }
    if (QAbstractButton *option = m_window->button(m_settings.Window))
        option->setChecked(true);

    // Colours.
    auto *colours = new QGridLayout;
    m_RightColor = new QPushButton;
    m_ErrorColor = new QPushButton;
    const struct
    {
        QPushButton *swatch;
        const char *name;
        const char16_t *caption;
        qint32 *colour;
    } swatches[] = {{m_RightColor, "RightColor", u"正确颜色", &m_rightColour},
                    {m_ErrorColor, "ErrorColor", u"错误颜色", &m_errorColour}};
    for (const auto &swatch : swatches) {
        swatch.swatch->setObjectName(QString::fromLatin1(swatch.name));
        swatch.swatch->setToolTip(QStringLiteral("单击选择颜色"));
        swatch.swatch->setAccessibleName(text(swatch.caption));
        swatch.swatch->setFixedSize(40, 20);
        showColour(swatch.swatch, *swatch.colour);
        connect(swatch.swatch, &QPushButton::clicked, this,
                [this, swatch] { chooseColour(swatch.swatch, *swatch.colour); });
        const int row = colours->rowCount();
        colours->addWidget(new QLabel(text(swatch.caption)), row, 0);
        colours->addWidget(swatch.swatch, row, 1);
    }

    // Speech.
    m_Speed = new QSlider(Qt::Horizontal);
    m_Speed->setObjectName(QStringLiteral("Speed"));
    m_Speed->setRange(90, 300);
    m_speedLabel = new QLabel;
    m_speedLabel->setObjectName(QStringLiteral("speedLabel"));
    m_speechTest = makeDialogButton(QStringLiteral("speechTest"), QStringLiteral("  测  试"));
    connect(m_Speed, &QSlider::valueChanged, this, &SettingsDialog::Speed_Change);
    connect(m_speechTest, &KorvelButton::clicked, this, &SettingsDialog::speechTest_Click);
    m_Speed->setValue(m_settings.Speed);
    Speed_Change();
    m_Speed->setAccessibleName(QStringLiteral("朗读语速"));
    auto *speech = new QVBoxLayout;
    speech->addWidget(m_speedLabel);
    auto *speedRow = new QHBoxLayout;
    speedRow->addWidget(m_Speed, 1);
    speedRow->addWidget(m_speechTest);
    speech->addLayout(speedRow);

    // Hot keys.
    m_ReciteKey = new HotKeyBox;
    m_ReciteKey->setObjectName(QStringLiteral("ReciteKey"));
    m_ReciteKey->setCode(m_settings.ReciteKey);
    m_CueKey = new HotKeyBox;
    m_CueKey->setObjectName(QStringLiteral("CueKey"));
    m_CueKey->setCode(m_settings.CueKey);
    auto *keys = new QGridLayout;
    keys->addWidget(buddyLabel(QStringLiteral("单词朗读"), m_ReciteKey), 0, 0);
    keys->addWidget(m_ReciteKey, 0, 1);
    keys->addWidget(buddyLabel(QStringLiteral("编码提示"), m_CueKey), 1, 0);
    keys->addWidget(m_CueKey, 1, 1);

    auto *layout = new QGridLayout(page);
    layout->addWidget(group(QStringLiteral("中文练习"), chinese), 0, 0);
    layout->addWidget(group(QStringLiteral("英文练习"), english), 0, 1);
    layout->addWidget(group(QStringLiteral("文章练习窗口"), window), 1, 0);
    layout->addWidget(group(QStringLiteral("颜色设置"), colours), 1, 1);
    layout->addWidget(group(QStringLiteral("语音朗读设置"), speech), 2, 0);
    layout->addWidget(group(QStringLiteral("热键设置(F2-F12)"), keys), 2, 1);
    return page;
}

void SettingsDialog::showColour(QPushButton *swatch, qint32 colour)
{
    swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                              .arg(colourOf(colour).name()));
}

// A cancelled chooser leaves the swatch as it was, without a word.
void SettingsDialog::chooseColour(QPushButton *swatch, qint32 &colour)
{
    if (const std::optional<QColor> chosen = m_colours.chooseColour(colourOf(colour))) {
        colour = valueOf(*chosen);
        showColour(swatch, colour);
    }
}

void SettingsDialog::Speed_Change()
{
    m_speedLabel->setText(QStringLiteral("朗读语速：") + QString::number(m_Speed->value()));
}

// "1" makes the word be said on every press, not only the first.
void SettingsDialog::speechTest_Click()
{
    m_speech.setLastSpokenText(QStringLiteral("1"));
    m_speech.SpeakText(QStringLiteral("lumotype"), qint16(m_Speed->value()));
}

Settings SettingsDialog::chosen() const
{
    Settings chosen = m_settings;
    chosen.Skinpath = m_chosenSkin;
    chosen.BackMusic = m_backMusic->isChecked() ? 1 : 0;
    chosen.BackMusicpath = m_chosenMusic;
    chosen.CueMusic = m_cueMusic->isChecked() ? 1 : 0;
    chosen.KeyMusic = m_KeyMusic->isChecked() ? 1 : 0;
    if (m_MusicInst->currentIndex() >= 0)
        chosen.MusicInst = qint16(m_MusicInst->currentIndex());
    for (const GameBox &box : gameBoxes()) {
        const auto *combo = findChild<QComboBox *>(QString::fromLatin1(box.name));
        // A stored value outside the list leaves no item selected; it stays.
        if (combo->currentIndex() >= 0)
            chosen.*box.field = qint16(combo->currentIndex() + box.offset);
    }
    for (const OptionBox &option : OptionBoxes)
        chosen.*option.field = findChild<QCheckBox *>(QString::fromLatin1(option.name))->isChecked() ? 1 : 0;
    if (m_InputMeans->currentIndex() >= 0)
        chosen.InputMeans = m_InputMeans->currentText();
    if (m_window->checkedId() >= 0)
        chosen.Window = qint16(m_window->checkedId());
    chosen.RightColor = m_rightColour;
    chosen.ErrorColor = m_errorColour;
    chosen.Speed = qint16(m_Speed->value());
    chosen.ReciteKey = qint16(m_ReciteKey->code());
    chosen.CueKey = qint16(m_CueKey->code());
    chosen.BuiltInInput = m_BuiltInInput->currentText();
    return chosen;
}
