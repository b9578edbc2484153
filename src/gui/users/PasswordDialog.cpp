// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/PasswordDialog.h"

#include "core/platform/Prompter.h"
#include "core/users/PasswordChange.h"
#include "gui/app/DialogSkin.h"
#include "gui/users/AccountWindowParts.h"
#include "gui/users/PasswordBox.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/WindowRim.h"
#include "widgets/KorvelButton.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

const QString noticeTitle = QStringLiteral("提示");

} // namespace

PasswordDialog::PasswordDialog(const QString &userName, const QString &userFolder,
                               Prompter &prompter, const WindowLook &look,
                               QWidget *parent)
    : QDialog(parent)
    , m_userFolder(userFolder)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("FrmUserSetup"));
    setModal(true);
    auto *rim = new WindowRim(QStringLiteral("修改密码"), look, this);
    connect(rim->titleStrip(), &TitleStrip::closeClicked, this, &QDialog::reject);

    m_Frame1 = new QGroupBox(QStringLiteral("更改用户") + userName + QStringLiteral("密码"));
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Text1 = new PasswordBox(QStringLiteral("Text1"), m_Frame1);
    m_Text2 = new PasswordBox(QStringLiteral("Text2"), m_Frame1);
    m_Text3 = new PasswordBox(QStringLiteral("Text3"), m_Frame1);
    auto *form = new QFormLayout(m_Frame1);
    form->setContentsMargins(18, 14, 18, 14);
    form->setVerticalSpacing(10);
    addLabelledRow(form, QStringLiteral("Label1"), QStringLiteral("原 密 码："), m_Text1);
    addLabelledRow(form, QStringLiteral("Label2"), QStringLiteral("新 密 码："), m_Text2);
    addLabelledRow(form, QStringLiteral("Label3"), QStringLiteral("确认密码："), m_Text3);

    m_KorvelButton1 = makeDialogButton(QStringLiteral("KorvelButton1"), QStringLiteral(" 确  定   "));
    m_KorvelButton2 = makeDialogButton(QStringLiteral("KorvelButton2"), QStringLiteral("取　消　　　"));
    connect(m_KorvelButton1, &KorvelButton::clicked, this, &PasswordDialog::KorvelButton1_Click);
    connect(m_KorvelButton2, &KorvelButton::clicked, this, &QDialog::reject);
    layOutPanelsAndButtons(rim->body(), {m_Frame1}, {m_KorvelButton1, m_KorvelButton2});
    setFixedSize(360, 250);
    DialogSkin::take(this, look, true);
    m_Text1->setFocus();
}

void PasswordDialog::KorvelButton1_Click()
{
    const PasswordChange change =
        PasswordChange::change(m_userFolder, m_Text1->text(), m_Text2->text(), m_Text3->text());
    switch (change.result) {
    case PasswordChange::Result::WrongOldPassword:
        m_prompter.inform(QStringLiteral("原密码不正确 ！"), noticeTitle, Prompter::Icon::Warning);
        m_Text1->clear();
        m_Text1->setFocus();
        return;
    case PasswordChange::Result::Mismatch:
        m_prompter.inform(QStringLiteral("密码输入不一致 ！"), noticeTitle, Prompter::Icon::Warning);
        m_Text2->clear();
        m_Text3->clear();
        m_Text2->setFocus();
        return;
    case PasswordChange::Result::Failed:
        m_prompter.inform(QStringLiteral("密码更改失败：") + change.error, noticeTitle,
                          Prompter::Icon::Error);
        return;
    case PasswordChange::Result::Changed:
        break;
    }
    m_prompter.inform(QStringLiteral("密码更改成功，请记住新密码！"), noticeTitle,
                      Prompter::Icon::Information);
    accept();
}
