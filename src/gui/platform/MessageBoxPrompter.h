// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/Prompter.h"

class QWidget;

// The program's prompter: a modal QMessageBox over the given parent.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer ask(const QString &text, const QString &title, Icon icon, Buttons buttons) override;

private:
    QWidget *m_parent;
};
