// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/PlaylistEditor.h"

#include <QDialog>

class FileChooser;
class KorvelButton;
class Prompter;
class QListWidget;
struct WindowLook;

// The playlist window `music`: a list of music files that the user fills
// from file dialogs and from ".m3u" lists, orders, and saves as a list of
// its own. It opens with the given entries; OK (" 确    定") accepts it and
// entries() holds the list as shown, Cancel ("取    消") rejects it. The
// user playlist itself is the caller's to read and write.
class PlaylistWindow : public QDialog
{
    Q_OBJECT

public:
    // The music files offered by "添加文件", "(*.mp3)" preselected, and the
    // lists offered by "读取列表" and "保存列表".
    static const QStringList musicFilters;
    static const QStringList listFilters;

    // prompter and chooser must outlive the window. look: the main window's
    // title and rim pictures, colours and skin, which the window wears too.
    PlaylistWindow(const QStringList &entries, Prompter &prompter, FileChooser &chooser, const WindowLook &look,
                   QWidget *parent = nullptr);

    QStringList entries() const { return m_editor.entries(); }

    // Handlers, named after the buttons.
    void addFiles_Click();   // "添加文件"
    void deleteFile_Click(); // "删除文件"
    void loadList_Click();   // "读取列表"
    void saveList_Click();   // "保存列表"
    void moveUp_Click();     // "上移↑↑"
    void moveDown_Click();   // "下移↓↓"
    void clearList_Click();  // " 清    除"

private:
    // Shows the editor's entries with row selected (-1: none).
    void showEntries(int row);

    Prompter &m_prompter;
    FileChooser &m_chooser;
    PlaylistEditor m_editor;

    QListWidget *m_List1; // the entries, each with its full text as tool tip
};
