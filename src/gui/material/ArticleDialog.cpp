// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/material/ArticleDialog.h"

#include "core/platform/Prompter.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/UrlOpener.h"
#include "gui/app/DialogSkin.h"
#include "gui/users/AccountWindowParts.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/WindowRim.h"
#include "widgets/KorvelButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Where a node sits in the tree: its category, and its article or -1 for the
// category node itself.
constexpr int categoryRole = Qt::UserRole;
constexpr int articleRole = Qt::UserRole + 1;

const QColor linkColor(0xc0, 0x00, 0x00);

QLineEdit *makeDisplayBox(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

// A label that shows a value: its text stays its accessible name, the
// caption beside it describes it.
QLabel *makeValueLabel(const QString &name, const QString &caption)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setAccessibleDescription(caption);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(40);
    return label;
}

QLabel *makeCaption(const QString &name, const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption);
    label->setObjectName(name);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace

ArticleDialog::ArticleDialog(ArticleTree tree, Prompter &prompter, RandomSource &random,
                             UrlOpener &urlOpener, const WindowLook &look, QWidget *parent)
    : QDialog(parent)
    , m_selection(std::move(tree))
    , m_prompter(prompter)
    , m_random(random)
    , m_urlOpener(urlOpener)
{
    setObjectName(QStringLiteral("select_text"));
    setModal(false);
    auto *rim = new WindowRim(ArticleSelection::DialogTitle, look, this);
    connect(rim->titleStrip(), &TitleStrip::closeClicked, this, &QDialog::reject);

    QWidget *treeFrame = buildTreeFrame();
    QWidget *informationFrame = buildInformationFrame();

    auto *frames = new QHBoxLayout;
    frames->setSpacing(12);
    frames->addWidget(treeFrame, 2);
    frames->addWidget(informationFrame, 3);

    auto *layout = new QVBoxLayout(rim->body());
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(10);
    layout->addLayout(frames, 1);
    layout->addLayout(buildOptionRow());

    setFixedSize(700, 500);
    DialogSkin::take(this, look, true);
    fillTree();
    showPreview();
    m_TreeView1->setFocus();
}

ArticleDialog::ArticleDialog(const ProgramFolder &program, const QString &userFolder,
                             Language language, Prompter &prompter, RandomSource &random,
                             UrlOpener &urlOpener, const WindowLook &look, QWidget *parent)
    : ArticleDialog(ArticleTree::build(program, userFolder, language), prompter, random, urlOpener,
                    look, parent)
{
}

QWidget *ArticleDialog::buildTreeFrame()
{
    auto *frame = new QGroupBox(ArticleSelection::DialogTitle);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_TreeView1 = new QTreeWidget;
    m_TreeView1->setObjectName(QStringLiteral("TreeView1"));
    m_TreeView1->setAccessibleName(ArticleSelection::DialogTitle);
    m_TreeView1->setHeaderHidden(true);
    m_TreeView1->setColumnCount(1);
    m_TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_TreeView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_TreeView1->header()->setStretchLastSection(false);
    // Arrow keys move through the articles as clicks do, so the keyboard
    // previews too.
    connect(m_TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *node) {
        TreeView1_NodeClick(node);
        m_justPreviewed = node;
    });
    connect(m_TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *node) {
        const bool previewed = node == m_justPreviewed;
        m_justPreviewed = nullptr;
        if (!previewed)
            TreeView1_NodeClick(node);
    });

    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_TreeView1);
    return frame;
}

QWidget *ArticleDialog::buildInformationFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("文章信息"));
    frame->setObjectName(QStringLiteral("Frame2"));

    m_Text1 = makeDisplayBox(QStringLiteral("Text1"));
    m_Text2 = makeDisplayBox(QStringLiteral("Text2"));
    m_Text3 = makeDisplayBox(QStringLiteral("Text3"));
    const QString emailCaption = QStringLiteral("E-mail  ：");
    const QString webSiteCaption = QStringLiteral("网    站：");
    m_Label2 = makeValueLabel(QStringLiteral("Label2"), emailCaption);
    m_Label3 = makeValueLabel(QStringLiteral("Label3"), webSiteCaption);
    m_Text4 = new QPlainTextEdit;
    m_Text4->setObjectName(QStringLiteral("Text4"));
    m_Text4->setReadOnly(true);
    m_Text4->setFixedHeight(m_Text4->fontMetrics().lineSpacing() * 3 + 10);
    m_RichTextBox1 = new QTextEdit;
    m_RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    m_RichTextBox1->setReadOnly(true);
    m_RichTextBox1->setAcceptRichText(false);
    m_Label1_6 = makeCaption(QStringLiteral("Label1_6"), QString(), m_RichTextBox1);

    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    // The two short values share the first row; the others take the width.
    grid->addWidget(makeCaption(QStringLiteral("Label1_0"), QStringLiteral("提 供 人："), m_Text1), 0, 0);
    grid->addWidget(m_Text1, 0, 1);
    grid->addWidget(makeCaption(QStringLiteral("Label1_2"), QStringLiteral("我 的 QQ："), m_Text3), 0, 2);
    grid->addWidget(m_Text3, 0, 3);
    grid->addWidget(makeCaption(QStringLiteral("Label1_1"), QStringLiteral("来    源："), m_Text2), 1, 0);
    grid->addWidget(m_Text2, 1, 1, 1, 3);
    grid->addWidget(makeCaption(QStringLiteral("Label1_3"), emailCaption, nullptr), 2, 0);
    grid->addWidget(m_Label2, 2, 1, 1, 3);
    grid->addWidget(makeCaption(QStringLiteral("Label1_4"), webSiteCaption, nullptr), 3, 0);
    grid->addWidget(m_Label3, 3, 1, 1, 3);
    grid->addWidget(makeCaption(QStringLiteral("Label1_5"), QStringLiteral("备注："), m_Text4), 4, 0,
                    Qt::AlignTop);
    grid->addWidget(m_Text4, 4, 1, 1, 3);
    grid->addWidget(m_Label1_6, 5, 0, 1, 4);
    grid->addWidget(m_RichTextBox1, 6, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);
    return frame;
}

QLayout *ArticleDialog::buildOptionRow()
{
    m_Check2 = new QCheckBox(QStringLiteral("计时："));
    m_Check2->setObjectName(QStringLiteral("Check2"));
    m_Check2->setToolTip(QStringLiteral("倒计时练习"));
    m_DTPicker1 = new QTimeEdit;
    m_DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    m_DTPicker1->setDisplayFormat(QStringLiteral("hh:mm:ss"));
    m_DTPicker1->setAccessibleName(QStringLiteral("倒计时练习"));
    m_Check1 = new QCheckBox(QStringLiteral("随机位置打开"));
    m_Check1->setObjectName(QStringLiteral("Check1"));
    // toggled, not clicked: ticking a box from code runs its click logic too.
    connect(m_Check2, &QCheckBox::toggled, this, &ArticleDialog::Check2_Click);
    connect(m_DTPicker1, &QTimeEdit::timeChanged, this, &ArticleDialog::DTPicker1_Change);
    connect(m_Check1, &QCheckBox::toggled, this, &ArticleDialog::Check1_Click);
    Check2_Click(false);

    m_Label5 = new QLabel;
    m_Label5->setObjectName(QStringLiteral("Label5"));
    const QString linkText = QStringLiteral("下载更多练习文章");
    m_Label5->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>")
                          .arg(DownloadPage, linkColor.name(), linkText));
    m_Label5->setAccessibleName(linkText);
    m_Label5->setToolTip(DownloadPage);
    m_Label5->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_Label5->setOpenExternalLinks(false);
    m_Label5->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_Label5, &QLabel::linkActivated, this, &ArticleDialog::Label5_Click);

    m_KorvelButton1 = makeDialogButton(QStringLiteral("KorvelButton1"), QStringLiteral(" 确  定   "));
    m_KorvelButton2 = makeDialogButton(QStringLiteral("KorvelButton2"), QStringLiteral(" 取   消   "));
    connect(m_KorvelButton1, &KorvelButton::clicked, this, &ArticleDialog::KorvelButton1_Click);
    connect(m_KorvelButton2, &KorvelButton::clicked, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(m_Check2);
    row->addWidget(m_DTPicker1);
    row->addSpacing(12);
    row->addWidget(m_Check1);
    row->addSpacing(16);
    row->addWidget(m_Label5);
    row->addStretch(1);
    row->addWidget(m_KorvelButton1);
    row->addWidget(m_KorvelButton2);
    return row;
}

void ArticleDialog::fillTree()
{
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon file = style()->standardIcon(QStyle::SP_FileIcon);
    const QList<ArticleTree::Category> &categories = m_selection.tree().categories;
    for (int c = 0; c < categories.size(); ++c) {
        auto *root = new QTreeWidgetItem(m_TreeView1, {categories.at(c).name});
        root->setIcon(0, folder);
        root->setData(0, categoryRole, c);
        root->setData(0, articleRole, -1);
        const QList<ArticleTree::Article> &articles = categories.at(c).articles;
        for (int a = 0; a < articles.size(); ++a) {
            auto *node = new QTreeWidgetItem(root, {articles.at(a).title});
            node->setIcon(0, file);
            node->setData(0, categoryRole, c);
            node->setData(0, articleRole, a);
        }
    }
}

void ArticleDialog::showPreview()
{
    m_Label1_6->setText(m_selection.previewCaption());
    m_KorvelButton1->setEnabled(m_selection.isOkEnabled());
    const std::optional<ArticleFile> &article = m_selection.previewed();
    if (!article)
        return;
    m_Text1->setText(article->provider);
    m_Text2->setText(article->source);
    m_Text3->setText(article->qq);
    m_Label2->setText(article->email);
    m_Label3->setText(article->webSite);
    m_Text4->setPlainText(article->remarks);
    m_RichTextBox1->setPlainText(article->text);
    // Show each box's start, not where the cursor ended after filling it.
    for (QLineEdit *box : {m_Text1, m_Text2, m_Text3})
        box->setCursorPosition(0);
}

void ArticleDialog::TreeView1_NodeClick(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const int category = node->data(0, categoryRole).toInt();
    const int article = node->data(0, articleRole).toInt();
    switch (m_selection.preview(category, article)) {
    case ArticleSelection::Preview::Ignored:
        return;
    case ArticleSelection::Preview::Damaged:
    case ArticleSelection::Preview::Unreadable:
        m_prompter.inform(ArticleFile::DamagedMessage, ArticleFile::MessageTitle,
                          Prompter::Icon::Information);
        return;
    case ArticleSelection::Preview::Shown:
        showPreview();
        return;
    }
}

void ArticleDialog::Check2_Click(bool ticked)
{
    m_selection.setCountdownTicked(ticked);
    const ArticleSelection::Countdown time = m_selection.countdownTime();
    const QSignalBlocker blocker(m_DTPicker1);
    m_DTPicker1->setTime(QTime(time.hours, time.minutes, time.seconds));
    m_DTPicker1->setEnabled(ticked);
}

void ArticleDialog::DTPicker1_Change()
{
    const QTime time = m_DTPicker1->time();
    m_selection.setCountdownTime({time.hour(), time.minute(), time.second()});
}

void ArticleDialog::Check1_Click(bool ticked)
{
    m_selection.setRandomPosition(ticked);
}

void ArticleDialog::KorvelButton1_Click()
{
    const ArticleSelection::Accepted accepted = m_selection.accept(m_random);
    switch (accepted.outcome) {
    case ArticleSelection::Accepted::Outcome::NotReady:
        return;
    case ArticleSelection::Accepted::Outcome::ZeroCountdown:
        m_prompter.inform(ArticleSelection::ZeroCountdownMessage, ArticleFile::MessageTitle,
                          Prompter::Icon::Information);
        return;
    case ArticleSelection::Accepted::Outcome::Start:
        break;
    }
    m_start = accepted.start;
    emit started(*m_start);
    accept();
}

void ArticleDialog::Label5_Click()
{
    m_urlOpener.open(QUrl(DownloadPage));
}
