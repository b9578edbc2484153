// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The program's help viewer: a top-level window with the contents of the help
// on the left and the page on the right. Links between pages open inside it;
// web and mail links go to the system's browser and mail program.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the page file and brings the window to the front. False, with the
    // window left as it was, when the file does not exist or cannot be read.
    bool openPage(const QString &filePath);

    // Closes the window (at quit).
    void closeAll();

private:
    void build();
    void followLink(const QUrl &link);
    void goHome();
    void openTopic(QTreeWidgetItem *item);
    void pageChanged(const QUrl &page);
    void showContentsOf(const QString &helpFolder);

    QString m_helpFolder;    // folder of the pages the contents list
    // Made with the first page.
    QToolButton *m_back = nullptr;     // previous page
    QToolButton *m_forward = nullptr;  // next page after going back
    QToolButton *m_home = nullptr;     // the welcome page
    QTreeWidget *m_contents = nullptr; // every page, by chapter
    QTextBrowser *m_page = nullptr;    // the page shown
};
