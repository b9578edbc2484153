// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/WindowRim.h"

#include "gui/users/TitleStrip.h"

#include <QVBoxLayout>

WindowRim::WindowRim(const QString &title, QWidget *window)
    : QFrame(window)
    , m_titleStrip(new TitleStrip(title, this))
    , m_body(new QWidget(this))
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setWindowTitle(title);

    setObjectName(QStringLiteral("WindowRim"));
    setStyleSheet(QStringLiteral(
        "#WindowRim { border: 2px solid rgb(20, 62, 160); background: rgb(249, 247, 242); }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(m_titleStrip);
    layout->addWidget(m_body, 1);

    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(this);
}
