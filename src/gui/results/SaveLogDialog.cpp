// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/SaveLogDialog.h"

#include "core/ime/ImeMetrics.h"
#include "core/platform/Prompter.h"
#include "core/results/FinishedExercise.h"
#include "gui/app/DialogSkin.h"
#include "gui/app/WindowLook.h"
#include "gui/users/AccountWindowParts.h"
#include "gui/users/TitleStrip.h"
#include "gui/users/WindowRim.h"
#include "widgets/KorvelButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

SaveLogDialog::SaveLogDialog(const QString &userFolder, const FinishedExercise &exercise,
                             Prompter &prompter, RandomSource &random,
                             const WindowLook &look, QWidget *parent, Today today)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_today(std::move(today))
    , m_model(userFolder, exercise, random, m_today())
{
    setObjectName(QStringLiteral("frmsavelog"));
    setModal(true);
    auto *rim = new WindowRim(QStringLiteral("练习成绩"), look, this);
    // The title's close picture and Esc close it as the close button does.
    connect(rim->titleStrip(), &TitleStrip::closeClicked, this, &SaveLogDialog::reject);

    m_Frame1 = buildFigures();
    m_Check1 = new QCheckBox(QStringLiteral("创建错字练习文件"));
    m_Check1->setObjectName(QStringLiteral("Check1"));
    m_Check1->setToolTip(QStringLiteral("将此文章练习中的输入错字保存成文件"));
    m_Check1->setAccessibleDescription(m_Check1->toolTip());
    m_Check1->setEnabled(m_model.isWrongCharacterBoxEnabled());

    m_KorvelButton1 = makeDialogButton(QStringLiteral("KorvelButton1"), QStringLiteral("保存成绩"));
    m_KorvelButton2 = makeDialogButton(QStringLiteral("KorvelButton2"), QStringLiteral("取   消"));
    connect(m_KorvelButton1, &KorvelButton::clicked, this, &SaveLogDialog::KorvelButton1_Click);
    connect(m_KorvelButton2, &KorvelButton::clicked, this, &SaveLogDialog::KorvelButton2_Click);

    layOutPanelsAndButtons(rim->body(), {m_Frame1, m_Check1}, {m_KorvelButton1, m_KorvelButton2});
    setFixedSize(300, m_model.keystrokes().isEmpty() ? 356 : 384);
    DialogSkin::take(this, look, true);
    m_KorvelButton1->setFocus();
}

QGroupBox *SaveLogDialog::buildFigures()
{
    auto *frame = new QGroupBox(QStringLiteral("完成练习"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(24, 12, 18, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);

    const QStringList captions = SaveLogModel::captions();
    const QStringList values = m_model.values();
    for (int row = 0; row < captions.size(); ++row) {
        auto *caption = new QLabel(captions.at(row));
        // Label1 is the title strip's.
        caption->setObjectName(QStringLiteral("Label%1").arg(row + 2));
        auto *value = new QLabel(values.at(row));
        value->setObjectName(QStringLiteral("Label%1").arg(row + 2 + int(captions.size())));
        // The value stays the label's accessible name; the caption says
        // what it is.
        value->setAccessibleDescription(captions.at(row));
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        m_captions.append(caption);
        m_values.append(value);
    }
    if (!m_model.keystrokes().isEmpty()) {
        auto *value = new QLabel(m_model.keystrokes());
        value->setObjectName(QStringLiteral("keystrokes"));
        value->setAccessibleDescription(ImeMetrics::Caption + ImeMetrics::Explained);
        value->setToolTip(ImeMetrics::Explained);
        grid->addWidget(new QLabel(ImeMetrics::Caption), int(captions.size()), 0);
        grid->addWidget(value, int(captions.size()), 1);
    }
    return frame;
}

void SaveLogDialog::KorvelButton1_Click()
{
    const SaveLogModel::Outcome outcome = m_model.save(m_today(), m_Check1->isChecked());
    switch (outcome.result) {
    case SaveLogModel::Result::AlreadySaved:
        return;
    case SaveLogModel::Result::Saved:
    case SaveLogModel::Result::SavedInPart:
        m_prompter.inform(outcome.message, SaveLogModel::MessageTitle, Prompter::Icon::Warning);
        break;
    case SaveLogModel::Result::Failed:
        m_prompter.inform(outcome.message, SaveLogModel::MessageTitle, Prompter::Icon::Error);
        break;
    }
    m_KorvelButton1->setEnabled(m_model.isSaveEnabled());
    if (!m_model.isSaveEnabled())
        m_KorvelButton2->setFocus();
}

void SaveLogDialog::KorvelButton2_Click()
{
    reject();
}

void SaveLogDialog::reject()
{
    done(isSaved() ? QDialog::Accepted : QDialog::Rejected);
}
