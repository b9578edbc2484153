// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/platform/MessageBoxPrompter.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::Warning: return QMessageBox::Warning;
    case Prompter::Icon::Error: return QMessageBox::Critical;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompter::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

} // namespace

Prompter::Answer MessageBoxPrompter::ask(const QString &text, const QString &title, Icon icon,
                                         Buttons buttons)
{
    QMessageBox box(boxIcon(icon), title, text, boxButtons(buttons), m_parent);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Closed without a choice (Esc or the window's close button).
    if (buttons == Buttons::YesNo)
        return Answer::No;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}
