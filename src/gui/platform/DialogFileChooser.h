// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/platform/FileChooser.h"

class QWidget;

// The program's file chooser: a modal QFileDialog over the given parent.
class DialogFileChooser : public FileChooser
{
public:
    explicit DialogFileChooser(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<QString> openFile(const QString &title, const QStringList &nameFilters) override;
    std::optional<QStringList> openFiles(const QString &title, const QStringList &nameFilters,
                                         int preselected) override;
    std::optional<QString> saveFile(const QString &title, const QStringList &nameFilters) override;

private:
    QWidget *m_parent;
};
