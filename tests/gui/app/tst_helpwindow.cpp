// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/HelpWindow.h"

#include "TestFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

const QString fixturePages = QStringLiteral(QINTARA_TEST_DATA_DIR "/help/html");
const QString shippedPages = QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/help/html");

QString fixture(const QString &fileName)
{
    return fixturePages + QLatin1Char('/') + fileName;
}

QTextBrowser *pageOf(HelpWindow &window)
{
    return window.findChild<QTextBrowser *>(QStringLiteral("page"));
}

QToolButton *button(HelpWindow &window, const char *name)
{
    return window.findChild<QToolButton *>(QLatin1String(name));
}

// The file shown, without a fragment.
QString shownFile(HelpWindow &window)
{
    return QFileInfo(pageOf(window)->source().toLocalFile()).fileName();
}

// Every link target of the page shown, in document order.
QStringList linksOf(const QTextDocument *document)
{
    QStringList links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty()
                && (links.isEmpty() || links.last() != format.anchorHref()))
                links << format.anchorHref();
        }
    }
    return links;
}

// Clicks the text of the first link to href, as a user would.
bool clickLink(HelpWindow &window, const QString &href)
{
    QTextBrowser *page = pageOf(window);
    const QTextDocument *document = page->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href || fragment.length() < 2)
                continue;
            QTextCursor cursor(page->document());
            cursor.setPosition(fragment.position() + 1);
            page->setTextCursor(cursor);
            page->ensureCursorVisible();
            QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(cursor).center());
            return true;
        }
    }
    return false;
}

// The names of the places on a page that links may point at.
QStringList placesOn(const QString &pageFile)
{
    QFile page(pageFile);
    if (!page.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(page.readAll()));
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
    }
    return names;
}

// The contents entry of that title; a page wins over a chapter of the same name.
QTreeWidgetItem *contentsEntry(HelpWindow &window, const QString &title)
{
    auto *contents = window.findChild<QTreeWidget *>(QStringLiteral("contents"));
    QTreeWidgetItem *found = nullptr;
    for (QTreeWidgetItemIterator it(contents); *it; ++it) {
        if ((*it)->text(0) == title && (!found || !(*it)->data(0, Qt::UserRole).toString().isEmpty()))
            found = *it;
    }
    return found;
}

} // namespace

// Stands in for the system's browser and mail program.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class tst_HelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensPageWithItsTitleAndContents();
    void pageThatCannotBeShown_data();
    void pageThatCannotBeShown();
    void failedOpenKeepsThePageShown();
    void followsLinksBackForwardAndHome();
    void linkIgnoresCaseOfFileName();
    void linkToMissingPageStays();
    void webAndMailLinksGoToTheSystem_data();
    void webAndMailLinksGoToTheSystem();
    void contentsEntryOpensItsPage();
    void closeAllClosesTheWindow();
    void shippedPage_data();
    void shippedPage();
    void shippedPagesAreListedAndLinkedFromTheWelcomePage();
};

void tst_HelpWindow::opensPageWithItsTitleAndContents()
{
    HelpWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("help"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Qintara 帮助"));

    QVERIFY(window.openPage(fixture("欢迎您使用Qintara.htm")));
    QVERIFY(window.isVisible());
    QVERIFY(window.isWindow());
    QCOMPARE(shownFile(window), QStringLiteral("欢迎您使用Qintara.htm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("测试用的欢迎页"));
    QVERIFY(pageOf(window)->toPlainText().contains(QStringLiteral("字母练习")));

    // Only the pages of the folder are listed, under their chapters.
    auto *contents = window.findChild<QTreeWidget *>(QStringLiteral("contents"));
    QCOMPARE(contents->topLevelItemCount(), 2);
    QCOMPARE(contents->topLevelItem(0)->text(0), QStringLiteral("欢迎您使用Qintara"));
    QCOMPARE(contents->topLevelItem(1)->text(0), QStringLiteral("英文练习"));
    QCOMPARE(contents->topLevelItem(1)->child(0)->text(0), QStringLiteral("字母练习"));
    QCOMPARE(contents->currentItem(), contents->topLevelItem(0));
    QVERIFY(!button(window, "back")->isEnabled());
    QVERIFY(!button(window, "forward")->isEnabled());
    for (const char *name : {"back", "forward", "home"})
        QVERIFY2(!button(window, name)->icon().isNull(), name);
}

void tst_HelpWindow::pageThatCannotBeShown_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("missing file") << fixture("不存在.htm");
    QTest::newRow("folder") << fixturePages;
    QTest::newRow("empty path") << QString();
}

void tst_HelpWindow::pageThatCannotBeShown()
{
    QFETCH(QString, page);
    HelpWindow window;
    QVERIFY(!window.openPage(page));
    QVERIFY(!window.isVisible());
}

void tst_HelpWindow::failedOpenKeepsThePageShown()
{
    TestFolder folder;
    folder.write("locked.htm", "<html><title>x</title></html>");
    QFile::setPermissions(folder.file("locked.htm"), QFileDevice::Permissions());
    QFile probe(folder.file("locked.htm"));
    const bool unreadable = !probe.open(QIODevice::ReadOnly);

    HelpWindow window;
    QVERIFY(window.openPage(fixture("使用说明-英-字母.htm")));
    QVERIFY(!window.openPage(fixture("不存在.htm")));
    if (unreadable)
        QVERIFY(!window.openPage(folder.file("locked.htm")));
    QVERIFY(window.isVisible());
    QCOMPARE(shownFile(window), QStringLiteral("使用说明-英-字母.htm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("字母练习"));
}

void tst_HelpWindow::followsLinksBackForwardAndHome()
{
    HelpWindow window;
    QVERIFY(window.openPage(fixture("欢迎您使用Qintara.htm")));
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(clickLink(window, "使用说明-英-字母.htm"));
    QCOMPARE(shownFile(window), QStringLiteral("使用说明-英-字母.htm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("字母练习"));
    QCOMPARE(contentsEntry(window, "字母练习"),
             window.findChild<QTreeWidget *>(QStringLiteral("contents"))->currentItem());
    QVERIFY(button(window, "back")->isEnabled());

    QTest::mouseClick(button(window, "back"), Qt::LeftButton);
    QCOMPARE(shownFile(window), QStringLiteral("欢迎您使用Qintara.htm"));
    QVERIFY(button(window, "forward")->isEnabled());

    QTest::mouseClick(button(window, "forward"), Qt::LeftButton);
    QCOMPARE(shownFile(window), QStringLiteral("使用说明-英-字母.htm"));

    QTest::mouseClick(button(window, "home"), Qt::LeftButton);
    QCOMPARE(shownFile(window), QStringLiteral("欢迎您使用Qintara.htm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("测试用的欢迎页"));
}

void tst_HelpWindow::linkIgnoresCaseOfFileName()
{
    HelpWindow window;
    QVERIFY(window.openPage(fixture("欢迎您使用Qintara.htm")));
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(clickLink(window, "notes.htm"));
    QCOMPARE(shownFile(window), QStringLiteral("Notes.htm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Qintara 帮助")); // the page has no title
}

void tst_HelpWindow::linkToMissingPageStays()
{
    HelpWindow window;
    QVERIFY(window.openPage(fixture("欢迎您使用Qintara.htm")));
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(clickLink(window, "没有这一页.htm"));
    QCOMPARE(shownFile(window), QStringLiteral("欢迎您使用Qintara.htm"));
    QVERIFY(!button(window, "back")->isEnabled());
}

void tst_HelpWindow::webAndMailLinksGoToTheSystem_data()
{
    QTest::addColumn<QString>("href");
    QTest::newRow("web page") << "https://example.org/qintara";
    QTest::newRow("mail") << "mailto:help@example.org";
}

void tst_HelpWindow::webAndMailLinksGoToTheSystem()
{
    QFETCH(QString, href);
    const QString scheme = QUrl(href).scheme();
    UrlRecorder system;
    QDesktopServices::setUrlHandler(scheme, &system, "open");

    HelpWindow window;
    QVERIFY(window.openPage(fixture("欢迎您使用Qintara.htm")));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(clickLink(window, href));
    QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(system.opened, QList<QUrl>{QUrl(href)});
    QCOMPARE(shownFile(window), QStringLiteral("欢迎您使用Qintara.htm"));
}

void tst_HelpWindow::contentsEntryOpensItsPage()
{
    HelpWindow window;
    QVERIFY(window.openPage(fixture("欢迎您使用Qintara.htm")));
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *contents = window.findChild<QTreeWidget *>(QStringLiteral("contents"));
    QTreeWidgetItem *letters = contentsEntry(window, "字母练习");
    QVERIFY(letters);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(letters).center());
    QCOMPARE(shownFile(window), QStringLiteral("使用说明-英-字母.htm"));

    // A chapter has no page of its own.
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(contentsEntry(window, "英文练习")).center());
    QCOMPARE(shownFile(window), QStringLiteral("使用说明-英-字母.htm"));
}

void tst_HelpWindow::closeAllClosesTheWindow()
{
    HelpWindow window;
    QVERIFY(window.openPage(fixture("欢迎您使用Qintara.htm")));
    window.closeAll();
    QVERIFY(!window.isVisible());
    QVERIFY(window.openPage(fixture("使用说明-英-字母.htm")));
    QVERIFY(window.isVisible());
}

void tst_HelpWindow::shippedPage_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : QDir(shippedPages).entryList({"*.htm"}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(file)) << file;
}

// A shipped page is UTF-8 with the shared stylesheet, opens under the title of
// its contents entry, and every link leads to a page of the help, a place on
// it, or the web.
void tst_HelpWindow::shippedPage()
{
    QFETCH(QString, file);
    QFile raw(shippedPages + '/' + file);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(raw.readAll());
    QVERIFY(!utf8.hasError());
    QVERIFY(text.contains("<meta charset=\"utf-8\">"));
    QVERIFY(text.contains("<link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\">"));
    QVERIFY(QFileInfo(shippedPages + "/help.css").isFile());

    HelpWindow window;
    QVERIFY(window.openPage(shippedPages + '/' + file));
    QTreeWidgetItem *entry = contentsEntry(window, window.windowTitle());
    QVERIFY2(entry && !entry->data(0, Qt::UserRole).toString().isEmpty(),
             qPrintable(window.windowTitle() + " is not the title of a contents entry"));

    for (const QString &href : linksOf(pageOf(window)->document())) {
        const QUrl target = pageOf(window)->source().resolved(QUrl(href));
        if (!target.isLocalFile()) {
            QVERIFY2(QStringList({"http", "https", "mailto"}).contains(target.scheme()), qPrintable(href));
            continue;
        }
        const QString linked = target.toLocalFile();
        QVERIFY2(QFileInfo(linked).isFile(), qPrintable(href)); // spelled exactly
        if (target.hasFragment())
            QVERIFY2(placesOn(linked).contains(target.fragment()), qPrintable(href + " names no place"));
    }
}

void tst_HelpWindow::shippedPagesAreListedAndLinkedFromTheWelcomePage()
{
    const QStringList files = QDir(shippedPages).entryList({"*.htm"}, QDir::Files, QDir::Name);
    HelpWindow window;
    QVERIFY(window.openPage(shippedPages + "/欢迎您使用Qintara.htm"));

    QStringList linked;
    for (const QString &href : linksOf(pageOf(window)->document()))
        linked << QFileInfo(pageOf(window)->source().resolved(QUrl(href)).toLocalFile()).fileName();
    for (const QString &file : files) {
        if (file != "欢迎您使用Qintara.htm")
            QVERIFY2(linked.contains(file), qPrintable(file + " is not linked from the welcome page"));
    }

    QStringList listed;
    auto *contents = window.findChild<QTreeWidget *>(QStringLiteral("contents"));
    for (QTreeWidgetItemIterator it(contents); *it; ++it) {
        const QString page = (*it)->data(0, Qt::UserRole).toString();
        if (!page.isEmpty())
            listed << QFileInfo(page).fileName();
    }
    listed.sort();
    QCOMPARE(listed, files);
}

QTEST_MAIN(tst_HelpWindow)
#include "tst_helpwindow.moc"
