// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/HelpWindow.h"

#include "core/app/HelpContents.h"
#include "core/platform/ProgramFolder.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString defaultTitle = QStringLiteral("Qintara 帮助");

// The existing page file a local URL names; the file name may differ in case,
// as the pages were written for a file system that ignores case.
QString existingPage(const QUrl &url)
{
    const QFileInfo info(url.toLocalFile());
    const QString path = ProgramFolder::resolve(info.absolutePath(), QLatin1Char('/') + info.fileName());
    return QFileInfo(path).isFile() ? path : QString();
}

QUrl withoutFragment(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveFragment);
}

QToolButton *toolButton(const QString &name, const QString &caption, QStyle::StandardPixmap icon,
                        QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(defaultTitle);
    resize(860, 620);
}

// The window is made at start-up but seldom opened: its contents come with
// the first page.
void HelpWindow::build()
{
    m_back = toolButton(QStringLiteral("back"), QStringLiteral("后退"), QStyle::SP_ArrowBack, this);
    m_forward = toolButton(QStringLiteral("forward"), QStringLiteral("前进"), QStyle::SP_ArrowForward, this);
    m_home = toolButton(QStringLiteral("home"), QStringLiteral("主页"), QStyle::SP_DirHomeIcon, this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    m_contents = new QTreeWidget(splitter);
    m_contents->setObjectName(QStringLiteral("contents"));
    m_contents->setAccessibleName(QStringLiteral("目录"));
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(true);
    m_page = new QTextBrowser(splitter);
    m_page->setObjectName(QStringLiteral("page"));
    m_page->setAccessibleName(QStringLiteral("帮助页面"));
    // Links are followed here, so that only pages of the help stay inside the
    // window and everything else goes to the system's programs.
    m_page->setOpenLinks(false);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 640});

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_home);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_page, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_page, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, &HelpWindow::goHome);
    connect(m_page, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_page, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_page, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::openTopic);
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpWindow::openTopic);
}

bool HelpWindow::openPage(const QString &filePath)
{
    const QFileInfo info(filePath);
    QFile file(filePath);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    file.close();

    if (!m_page)
        build();
    showContentsOf(info.absolutePath());
    m_page->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    return true;
}

void HelpWindow::closeAll()
{
    close();
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl target = m_page->source().resolved(link);
    if (target.isLocalFile()) {
        const QString page = existingPage(target);
        if (page.isEmpty())
            return;
        QUrl url = QUrl::fromLocalFile(page);
        url.setFragment(target.fragment());
        m_page->setSource(url);
        return;
    }
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("mailto"))
        QDesktopServices::openUrl(target);
}

void HelpWindow::goHome()
{
    const QString welcome =
        ProgramFolder::resolve(m_helpFolder, QLatin1Char('/') + welcomeHelpFile());
    if (QFileInfo(welcome).isFile())
        m_page->setSource(QUrl::fromLocalFile(welcome));
}

void HelpWindow::openTopic(QTreeWidgetItem *item)
{
    const QString page = item ? item->data(0, Qt::UserRole).toString() : QString();
    if (page.isEmpty())
        return;
    const QUrl url = QUrl::fromLocalFile(page);
    if (url != withoutFragment(m_page->source()))
        m_page->setSource(url);
}

void HelpWindow::pageChanged(const QUrl &page)
{
    const QString title = m_page->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? defaultTitle : title);

    // The browser reports the new page before source() has caught up.
    const QString shown = QFileInfo(page.toLocalFile()).absoluteFilePath();
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if (!shown.isEmpty() && (*it)->data(0, Qt::UserRole).toString() == shown) {
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->clearSelection();
}

void HelpWindow::showContentsOf(const QString &helpFolder)
{
    if (helpFolder == m_helpFolder)
        return;
    m_helpFolder = helpFolder;
    m_contents->clear();

    QTreeWidgetItem *chapter = nullptr;
    for (const HelpTopic &topic : helpContents()) {
        const QString page = ProgramFolder::resolve(helpFolder, QLatin1Char('/') + topic.fileName);
        if (!QFileInfo(page).isFile())
            continue;
        QTreeWidgetItem *parent = nullptr;
        if (!topic.chapter.isEmpty()) {
            if (!chapter || chapter->text(0) != topic.chapter) {
                chapter = new QTreeWidgetItem(m_contents, {topic.chapter});
                chapter->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
                chapter->setExpanded(true);
            }
            parent = chapter;
        }
        auto *item = parent ? new QTreeWidgetItem(parent, {topic.title})
                            : new QTreeWidgetItem(m_contents, {topic.title});
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
        item->setToolTip(0, topic.title); // long titles are cut in a narrow list
        item->setData(0, Qt::UserRole, QFileInfo(page).absoluteFilePath());
    }
}
