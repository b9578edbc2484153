// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/MakerLinks.h"
#include "core/material/ArticleSelection.h"
#include "core/material/ArticleTree.h"
#include "core/material/Language.h"
#include "gui/app/WindowLook.h"

#include <QDialog>

#include <optional>

class KorvelButton;
class ProgramFolder;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QTimeEdit;
class QTreeWidget;
class QTreeWidgetItem;
class RandomSource;
class UrlOpener;

// The article chooser `select_text`: the categories of one language with
// their articles, and the user's wrong-character files, as a tree; a click
// on an article previews it with its details. OK hands the exercise to start
// (the text, perhaps from a random place, and perhaps a countdown) to the
// caller through started() and closes the dialog; the caller cleans up and
// starts it. The rules are ArticleSelection's; the dialog shows its state.
//
// It is meant to be shown without being modal; when it closes (finished()),
// the caller gives the focus back to its input box.
class ArticleDialog : public QDialog
{
    Q_OBJECT

public:
    // The download page behind the link Label5.
    static inline const QString DownloadPage = MakerLinks::articlesPage;

    // look: the main window's title and rim pictures, colours and skin,
    // which the dialog wears too.
    ArticleDialog(ArticleTree tree, Prompter &prompter, RandomSource &random, UrlOpener &urlOpener,
                  const WindowLook &look, QWidget *parent = nullptr);
    // The tree of the language's category folder and the user's
    // wrong-character files, built now.
    ArticleDialog(const ProgramFolder &program, const QString &userFolder, Language language,
                  Prompter &prompter, RandomSource &random, UrlOpener &urlOpener,
                  const WindowLook &look, QWidget *parent = nullptr);

    // What OK started; nullopt until then, and after cancel.
    const std::optional<ArticleSelection::Start> &start() const { return m_start; }

signals:
    // OK was accepted: the caller calls Cleanup, puts start.practisedText into
    // the source box and calls preliminary(start.language). The dialog closes
    // right after.
    void started(const ArticleSelection::Start &start);

private:
    QWidget *buildTreeFrame();
    QWidget *buildInformationFrame();
    QLayout *buildOptionRow();
    void fillTree();
    void showPreview();

    void TreeView1_NodeClick(QTreeWidgetItem *node);
    void Check2_Click(bool ticked);
    void DTPicker1_Change();
    void Check1_Click(bool ticked);
    void KorvelButton1_Click();
    void Label5_Click();

    ArticleSelection m_selection;
    Prompter &m_prompter;
    RandomSource &m_random;
    UrlOpener &m_urlOpener;
    std::optional<ArticleSelection::Start> m_start;
    // The node a change of the current node has just previewed, so that the
    // click which made it current does not preview it a second time.
    QTreeWidgetItem *m_justPreviewed = nullptr;

    QTreeWidget *m_TreeView1;      // categories (folder) and articles (file)
    QLineEdit *m_Text1;            // provider
    QLineEdit *m_Text2;            // source
    QLineEdit *m_Text3;            // the provider's QQ number
    QLabel *m_Label2;              // e-mail address
    QLabel *m_Label3;              // web site
    QPlainTextEdit *m_Text4;       // remarks
    QLabel *m_Label1_6;            // "文章预览：", with the character count once an article shows
    QTextEdit *m_RichTextBox1;     // the article text
    QCheckBox *m_Check2;           // "计时：" countdown
    QTimeEdit *m_DTPicker1;        // countdown time
    QCheckBox *m_Check1;           // "随机位置打开"
    KorvelButton *m_KorvelButton1; // OK
    KorvelButton *m_KorvelButton2; // cancel
    QLabel *m_Label5;              // link "下载更多练习文章"
};
