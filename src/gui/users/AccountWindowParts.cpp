// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/AccountWindowParts.h"

#include "widgets/KorvelButton.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

KorvelButton *makeDialogButton(const QString &objectName, const QString &caption)
{
    auto *button = new KorvelButton;
    button->setObjectName(objectName);
    button->setText(caption);
    button->setXPStyle(true);
    button->setToolBar(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMinimumSize(96, 28);
    return button;
}

void layOutPanelsAndButtons(QWidget *body, const QList<QWidget *> &panels,
                            const QList<KorvelButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (KorvelButton *button : buttons)
        row->addWidget(button);

    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(12);
    for (QWidget *panel : panels)
        layout->addWidget(panel);
    layout->addLayout(row);
}

void addLabelledRow(QFormLayout *form, const QString &labelName, const QString &caption,
                    QWidget *box)
{
    auto *label = new QLabel(caption);
    label->setObjectName(labelName);
    label->setBuddy(box);
    form->addRow(label, box);
}
