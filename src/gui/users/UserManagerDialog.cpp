// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/UserManagerDialog.h"

#include "core/platform/Prompter.h"
#include "core/users/AccountsFolder.h"
#include "gui/app/DialogSkin.h"
#include "gui/users/AccountWindowParts.h"
#include "gui/users/PasswordDialog.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/WindowRim.h"
#include "widgets/KorvelButton.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

const QString deleteTitle = QStringLiteral("删除用户");

// Two spellings of one folder (a link, another case that resolves to the
// same entry) are the same account.
bool sameFolder(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return canonicalA.isEmpty() ? a == b : canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

UserManagerDialog::UserManagerDialog(const AccountsLocation &accounts, const QString &loggedInFolder,
                                     Prompter &prompter, const WindowLook &look,
                                     QWidget *parent)
    : QDialog(parent)
    , m_accounts(accounts)
    , m_loggedInFolder(loggedInFolder)
    , m_prompter(prompter)
    , m_look(look)
{
    setObjectName(QStringLiteral("user"));
    setModal(true);
    auto *rim = new WindowRim(QStringLiteral("用户管理"), m_look, this);
    connect(rim->titleStrip(), &TitleStrip::closeClicked, this, &QDialog::reject);

    m_List1 = new QListWidget;
    m_List1->setObjectName(QStringLiteral("List1"));
    m_List1->setAccessibleName(QStringLiteral("用户"));
    connect(m_List1, &QListWidget::itemSelectionChanged, this, &UserManagerDialog::List1_Change);

    m_KorvelButton1 = makeDialogButton(QStringLiteral("KorvelButton1"), QStringLiteral(" 删除用户     "));
    m_KorvelButton2 = makeDialogButton(QStringLiteral("KorvelButton2"), QStringLiteral(" 修改密码     "));
    m_KorvelButton3 = makeDialogButton(QStringLiteral("KorvelButton3"), QStringLiteral("  关  闭    "));
    connect(m_KorvelButton1, &KorvelButton::clicked, this, &UserManagerDialog::KorvelButton1_Click);
    connect(m_KorvelButton2, &KorvelButton::clicked, this, &UserManagerDialog::KorvelButton2_Click);
    connect(m_KorvelButton3, &KorvelButton::clicked, this, &QDialog::accept);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_KorvelButton1);
    buttons->addWidget(m_KorvelButton2);
    buttons->addStretch(1);
    buttons->addWidget(m_KorvelButton3);

    auto *layout = new QHBoxLayout(rim->body());
    layout->setContentsMargins(14, 12, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(m_List1, 1);
    layout->addLayout(buttons);
    setFixedSize(380, 260);
    DialogSkin::take(this, m_look, false);

    fillList();
}

QString UserManagerDialog::selectedUser() const
{
    const QList<QListWidgetItem *> selected = m_List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void UserManagerDialog::fillList()
{
    m_List1->clear();
    m_List1->addItems(m_accounts.users());
    List1_Change();
}

void UserManagerDialog::List1_Change()
{
    // Without a selected account there is nothing to delete or change.
    const bool selected = !selectedUser().isEmpty();
    m_KorvelButton1->setEnabled(selected);
    m_KorvelButton2->setEnabled(selected);
}

void UserManagerDialog::KorvelButton1_Click()
{
    const QString name = selectedUser();
    const std::optional<QString> folder = m_accounts.userFolder(name);
    if (name.isEmpty() || !folder)
        return;
    if (sameFolder(*folder, m_loggedInFolder)) {
        m_prompter.inform(QStringLiteral("不能删除当前用户 ！"), deleteTitle, Prompter::Icon::Warning);
        return;
    }
    if (m_prompter.ask(QStringLiteral("确实要删除　") + name + QStringLiteral(" 吗？"), deleteTitle,
                       Prompter::Icon::Warning, Prompter::Buttons::YesNo)
        != Prompter::Answer::Yes)
        return;
    QString left;
    if (!m_accounts.removeUser(name, &left)) {
        m_prompter.inform(QStringLiteral("用户 ") + name + QStringLiteral(" 没有完全删除，请检查文件夹：")
                              + left,
                          deleteTitle, Prompter::Icon::Error);
    }
    fillList();
}

void UserManagerDialog::KorvelButton2_Click()
{
    const QString name = selectedUser();
    const std::optional<QString> folder = m_accounts.userFolder(name);
    if (name.isEmpty() || !folder)
        return;
    PasswordDialog dialog(name, *folder, m_prompter, m_look, this);
    dialog.exec();
}
