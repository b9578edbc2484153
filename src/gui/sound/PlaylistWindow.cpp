// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/sound/PlaylistWindow.h"

#include "core/material/SelectedFiles.h"
#include "core/platform/FileChooser.h"
#include "core/platform/Prompter.h"
#include "core/sound/Playlist.h"
#include "gui/app/DialogSkin.h"
#include "gui/app/WindowLook.h"
#include "gui/users/AccountWindowParts.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/WindowRim.h"
#include "widgets/KorvelButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

const QStringList PlaylistWindow::musicFilters = {QStringLiteral("(*.mid)"), QStringLiteral("(*.wav)"),
                                                  QStringLiteral("(*.mp3)"), QStringLiteral("(*.cda)")};
const QStringList PlaylistWindow::listFilters = {QStringLiteral("(*.m3u)")};

namespace {

const QString messageTitle = QStringLiteral("提示");
constexpr int mp3Filter = 2;

} // namespace

PlaylistWindow::PlaylistWindow(const QStringList &entries, Prompter &prompter, FileChooser &chooser,
                               const WindowLook &look, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_chooser(chooser)
    , m_editor(entries)
{
    setObjectName(QStringLiteral("music"));
    setModal(true);
    auto *rim = new WindowRim(QStringLiteral("背景音乐列表"), look, this);
    connect(rim->titleStrip(), &TitleStrip::closeClicked, this, &QDialog::reject);

    m_List1 = new QListWidget;
    m_List1->setObjectName(QStringLiteral("List1"));
    m_List1->setAccessibleName(QStringLiteral("背景音乐列表"));
    m_List1->setSelectionMode(QAbstractItemView::SingleSelection);

    const struct
    {
        const char *name;
        const char16_t *caption;
        void (PlaylistWindow::*handler)();
    } buttons[] = {
        {"addFiles", u"添加文件", &PlaylistWindow::addFiles_Click},
        {"deleteFile", u"删除文件", &PlaylistWindow::deleteFile_Click},
        {"loadList", u"读取列表", &PlaylistWindow::loadList_Click},
        {"saveList", u"保存列表", &PlaylistWindow::saveList_Click},
        {"moveUp", u"上移↑↑", &PlaylistWindow::moveUp_Click},
        {"moveDown", u"下移↓↓", &PlaylistWindow::moveDown_Click},
        {"clearList", u" 清    除", &PlaylistWindow::clearList_Click},
    };
    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    for (const auto &button : buttons) {
        KorvelButton *made = makeDialogButton(QString::fromLatin1(button.name), QString::fromUtf16(button.caption));
        connect(made, &KorvelButton::clicked, this, button.handler);
        column->addWidget(made);
    }
    column->addStretch(1);

    auto *ok = makeDialogButton(QStringLiteral("okButton"), QStringLiteral(" 确    定"));
    auto *cancel = makeDialogButton(QStringLiteral("cancelButton"), QStringLiteral("取    消"));
    connect(ok, &KorvelButton::clicked, this, &QDialog::accept);
    connect(cancel, &KorvelButton::clicked, this, &QDialog::reject);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(m_List1, 1);
    middle->addLayout(column);
    auto *layout = new QVBoxLayout(rim->body());
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(10);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    showEntries(-1);
    setFixedSize(520, 380);
    DialogSkin::take(this, look, true);
}

void PlaylistWindow::showEntries(int row)
{
    m_List1->clear();
    for (const QString &entry : m_editor.entries()) {
        auto *item = new QListWidgetItem(entry, m_List1);
        // Long paths are cut by the list's width; pointing shows them whole.
        item->setToolTip(entry);
    }
    m_List1->setCurrentRow(row);
}

void PlaylistWindow::addFiles_Click()
{
    const std::optional<QStringList> chosen =
        m_chooser.openFiles(QStringLiteral("选择文件"), musicFilters, mp3Filter);
    if (!chosen)
        return;
    m_editor.append(GetDlgSelectFileInfo(*chosen));
    showEntries(m_List1->currentRow());
}

void PlaylistWindow::deleteFile_Click()
{
    const int row = m_List1->currentRow();
    if (row < 0)
        return;
    showEntries(m_editor.remove(row));
}

void PlaylistWindow::loadList_Click()
{
    const std::optional<QString> list = m_chooser.openFile(QStringLiteral("读取列表"), listFilters);
    if (!list)
        return;
    if (!m_editor.isEmpty()
        && m_prompter.ask(QStringLiteral("您是否想在当前列表中追加文件吗？"), messageTitle, Prompter::Icon::Question,
                          Prompter::Buttons::YesNo)
               == Prompter::Answer::No)
        m_editor.clear();
    // A list that cannot be read adds nothing, without a word.
    if (const std::optional<QStringList> entries = Playlist::read(*list))
        m_editor.append(*entries);
    showEntries(-1);
}

void PlaylistWindow::saveList_Click()
{
    if (!m_editor.hasFiles()) {
        m_prompter.inform(QStringLiteral("列表框内无文件！"), messageTitle, Prompter::Icon::Error);
        return;
    }
    const std::optional<QString> file = m_chooser.saveFile(QStringLiteral("保存列表"), listFilters);
    if (!file)
        return;
    QString error;
    switch (Playlist::write(*file, m_editor.entries(), &error)) {
    case Playlist::WriteResult::Written:
        break;
    case Playlist::WriteResult::Refused:
        m_prompter.inform(QStringLiteral("该文件正在使用禁止修改！"), messageTitle, Prompter::Icon::Error);
        break;
    case Playlist::WriteResult::Failed:
        m_prompter.inform(QStringLiteral("列表未能保存：") + error, messageTitle, Prompter::Icon::Error);
        break;
    }
}

void PlaylistWindow::moveUp_Click()
{
    const int row = m_List1->currentRow();
    if (row >= 0)
        showEntries(m_editor.moveUp(row));
}

void PlaylistWindow::moveDown_Click()
{
    const int row = m_List1->currentRow();
    if (row >= 0)
        showEntries(m_editor.moveDown(row));
}

void PlaylistWindow::clearList_Click()
{
    m_editor.clear();
    showEntries(-1);
}
