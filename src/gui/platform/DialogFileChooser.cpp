// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/platform/DialogFileChooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

// Shows the dialog; the file chosen, or nullopt when it was cancelled.
std::optional<QString> firstChosen(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

} // namespace

std::optional<QString> DialogFileChooser::openFile(const QString &title, const QStringList &nameFilters)
{
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters);
    if (!nameFilters.isEmpty())
        dialog.selectNameFilter(nameFilters.first());
    return firstChosen(dialog);
}

std::optional<QStringList> DialogFileChooser::openFiles(const QString &title, const QStringList &nameFilters,
                                                        int preselected)
{
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(nameFilters);
    if (preselected >= 0 && preselected < nameFilters.size())
        dialog.selectNameFilter(nameFilters.at(preselected));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QString> DialogFileChooser::saveFile(const QString &title, const QStringList &nameFilters)
{
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters);
    if (!nameFilters.isEmpty()) {
        dialog.selectNameFilter(nameFilters.first());
        // A name typed without an extension takes the filter's, so the file
        // shows up under the same filter when it is opened again.
        static const QRegularExpression suffix(QStringLiteral("\\*\\.(\\w+)"));
        const QRegularExpressionMatch match = suffix.match(nameFilters.first());
        if (match.hasMatch())
            dialog.setDefaultSuffix(match.captured(1));
    }
    return firstChosen(dialog);
}
