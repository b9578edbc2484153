// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/material/ArticleDialog.h"

#include "core/material/ArticleFile.h"
#include "core/material/ArticleFolders.h"
#include "core/platform/ProgramFolder.h"
#include "widgets/KorvelButton.h"

#include "RecordingUrlOpener.h"
#include "ScriptedPrompter.h"
#include "ScriptedRandom.h"
#include "TestFolder.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QStyle>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTreeWidget>

#include <memory>

using Countdown = ArticleSelection::Countdown;
using Start = ArticleSelection::Start;
using OptionalCountdown = std::optional<Countdown>;

Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(OptionalCountdown)

namespace {

// An eight-line article of the fixture's kind with the given text, or any
// other number of lines.
QByteArray articleBytes(const QString &text, int lines = ArticleFile::LineCount)
{
    QStringList all = {QStringLiteral("文章"), QStringLiteral("Qintara"), QStringLiteral("测试资料"),
                       QStringLiteral("10001"), QStringLiteral("test@example.org"),
                       QStringLiteral("https://example.org"), QStringLiteral("测试用的文章"), text};
    all = all.mid(0, lines);
    while (all.size() < lines)
        all.append(text);
    return QStringEncoder("GBK").encode(all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

bool sameIcon(const QIcon &a, const QIcon &b)
{
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

} // namespace

class tst_ArticleDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensEmpty();
    void listsTheTree_data();
    void listsTheTree();
    void listsTheShippedArticles_data();
    void listsTheShippedArticles();
    void clickPreviews_data();
    void clickPreviews();
    void arrowKeysPreview();
    void categoryNodesChangeNothing();
    void articleWithoutTextCannotStart();
    void unusableFileIsReported_data();
    void unusableFileIsReported();
    void countdownBox();
    void okStarts_data();
    void okStarts();
    void zeroCountdownKeepsTheDialogOpen();
    void cancelStartsNothing();
    void linkOpensTheDownloadPage();
    void controlsHaveNames_data();
    void controlsHaveNames();

private:
    void open(Language language, const QString &program = QString());
    template<typename T> T *child(const QString &name) const;
    QTreeWidgetItem *node(const QString &path) const;
    void click(const QString &nodePath) const;
    QStringList listed() const;

    std::unique_ptr<TestFolder> m_folder;
    ScriptedPrompter m_prompter;
    ScriptedRandom m_random;
    RecordingUrlOpener m_urlOpener;
    std::unique_ptr<ArticleDialog> m_dialog;
    std::unique_ptr<QSignalSpy> m_started;
};

void tst_ArticleDialog::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture(QStringLiteral("material/articles"));
    m_prompter.clear();
    m_random = ScriptedRandom();
    m_urlOpener.opened.clear();
}

void tst_ArticleDialog::cleanup()
{
    m_started.reset();
    m_dialog.reset();
}

// The dialog of a language's menu over the fixture's program and user
// folders, or over another program folder.
void tst_ArticleDialog::open(Language language, const QString &program)
{
    const QString programFolder = program.isEmpty() ? m_folder->file(QStringLiteral("program")) : program;
    m_dialog = std::make_unique<ArticleDialog>(ProgramFolder(programFolder),
                                               m_folder->file(QStringLiteral("user")), language,
                                               m_prompter, m_random, m_urlOpener,
                                               WindowLook::builtIn());
    m_started = std::make_unique<QSignalSpy>(m_dialog.get(), &ArticleDialog::started);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

template<typename T> T *tst_ArticleDialog::child(const QString &name) const
{
    T *found = m_dialog->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// "category/article" names an article node; a category name alone names the
// last category node of that name, which for "错字练习" is the user's node.
QTreeWidgetItem *tst_ArticleDialog::node(const QString &path) const
{
    const QStringList parts = path.split(QLatin1Char('/'));
    auto *tree = child<QTreeWidget>(QStringLiteral("TreeView1"));
    for (int c = tree->topLevelItemCount() - 1; c >= 0; --c) {
        QTreeWidgetItem *root = tree->topLevelItem(c);
        if (root->text(0) != parts.first())
            continue;
        if (parts.size() == 1)
            return root;
        for (int a = 0; a < root->childCount(); ++a) {
            if (root->child(a)->text(0) == parts.last())
                return root->child(a);
        }
    }
    qFatal("no node %s", qPrintable(path));
}

void tst_ArticleDialog::click(const QString &nodePath) const
{
    auto *tree = child<QTreeWidget>(QStringLiteral("TreeView1"));
    QTreeWidgetItem *item = node(nodePath);
    if (item->parent())
        item->parent()->setExpanded(true);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

// The tree as "category: article, article".
QStringList tst_ArticleDialog::listed() const
{
    QStringList lines;
    auto *tree = child<QTreeWidget>(QStringLiteral("TreeView1"));
    for (int c = 0; c < tree->topLevelItemCount(); ++c) {
        QTreeWidgetItem *root = tree->topLevelItem(c);
        QStringList articles;
        for (int a = 0; a < root->childCount(); ++a)
            articles.append(root->child(a)->text(0));
        lines.append(root->text(0) + QStringLiteral(": ") + articles.join(QStringLiteral(", ")));
    }
    return lines;
}

void tst_ArticleDialog::opensEmpty()
{
    open(Language::Chinese);
    QCOMPARE(m_dialog->objectName(), QStringLiteral("select_text"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("选择练习文章"));
    QVERIFY(m_dialog->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!m_dialog->isModal());
    QCOMPARE(child<QLabel>(QStringLiteral("Label1_6"))->text(), QStringLiteral("文章预览："));
    QVERIFY(child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText().isEmpty());
    QVERIFY(child<QLineEdit>(QStringLiteral("Text1"))->isReadOnly());
    QVERIFY(child<QPlainTextEdit>(QStringLiteral("Text4"))->isReadOnly());
    QVERIFY(child<QTextEdit>(QStringLiteral("RichTextBox1"))->isReadOnly());
    QCOMPARE(child<QCheckBox>(QStringLiteral("Check2"))->text(), QStringLiteral("计时："));
    QCOMPARE(child<QCheckBox>(QStringLiteral("Check2"))->toolTip(), QStringLiteral("倒计时练习"));
    QCOMPARE(child<QCheckBox>(QStringLiteral("Check1"))->text(), QStringLiteral("随机位置打开"));
    QVERIFY(!child<QCheckBox>(QStringLiteral("Check1"))->isChecked());
    QVERIFY(!child<QCheckBox>(QStringLiteral("Check2"))->isChecked());
    QVERIFY(!child<QTimeEdit>(QStringLiteral("DTPicker1"))->isEnabled());
    QCOMPARE(child<QTimeEdit>(QStringLiteral("DTPicker1"))->displayFormat(), QStringLiteral("hh:mm:ss"));
    QCOMPARE(child<QLabel>(QStringLiteral("Label5"))->accessibleName(), QStringLiteral("下载更多练习文章"));

    // Nothing previewed: OK does nothing.
    auto *ok = child<KorvelButton>(QStringLiteral("KorvelButton1"));
    QVERIFY(!ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_started->size(), 0);
}

void tst_ArticleDialog::listsTheTree_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("tree");

    // The program's category folder "错字练习" is an ordinary category; the
    // user's node comes last. Files outside the category folders are left out.
    QTest::newRow("Chinese") << Language::Chinese
                             << QStringList{"故事: 小猫钓鱼, 灯塔", "散文: 故事", "错字练习: 同名",
                                            "错字练习: 小猫钓鱼"};
    QTest::newRow("English") << Language::English
                             << QStringList{"animals: Cats", "Basics: Home Row",
                                            "Stories: Alpha, beta, Gamma", "错字练习: Alpha"};
}

void tst_ArticleDialog::listsTheTree()
{
    QFETCH(Language, language);
    QFETCH(QStringList, tree);
    open(language);
    QCOMPARE(listed(), tree);

    const QIcon folder = m_dialog->style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon file = m_dialog->style()->standardIcon(QStyle::SP_FileIcon);
    auto *view = child<QTreeWidget>(QStringLiteral("TreeView1"));
    for (int c = 0; c < view->topLevelItemCount(); ++c) {
        QTreeWidgetItem *root = view->topLevelItem(c);
        QVERIFY2(sameIcon(root->icon(0), folder), qPrintable(root->text(0)));
        for (int a = 0; a < root->childCount(); ++a)
            QVERIFY2(sameIcon(root->child(a)->icon(0), file), qPrintable(root->child(a)->text(0)));
    }
}

void tst_ArticleDialog::listsTheShippedArticles_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Chinese") << Language::Chinese;
    QTest::newRow("English") << Language::English;
}

void tst_ArticleDialog::listsTheShippedArticles()
{
    QFETCH(Language, language);
    const QString shipped = QStringLiteral(QINTARA_SHIPPED_DATA_DIR);
    open(language, shipped);

    const QDir folder(ProgramFolder(shipped).path(ArticleFolders::articleFolder(language)));
    QStringList categories = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    categories.append(ArticleFolders::WrongCharacters);
    auto *tree = child<QTreeWidget>(QStringLiteral("TreeView1"));
    QStringList roots;
    for (int c = 0; c < tree->topLevelItemCount(); ++c)
        roots.append(tree->topLevelItem(c)->text(0));
    QCOMPARE(roots, categories);

    // Every shipped category has articles, and its first one previews.
    for (int c = 0; c + 1 < tree->topLevelItemCount(); ++c) {
        QTreeWidgetItem *root = tree->topLevelItem(c);
        QVERIFY2(root->childCount() > 0, qPrintable(root->text(0)));
        click(root->text(0) + QLatin1Char('/') + root->child(0)->text(0));
        QCOMPARE(m_prompter.texts(), QStringList());
        const QString text = child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText();
        QVERIFY2(!text.isEmpty(), qPrintable(root->child(0)->text(0)));
        QVERIFY(child<KorvelButton>(QStringLiteral("KorvelButton1"))->isEnabled());
    }
}

void tst_ArticleDialog::clickPreviews_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QStringList>("details"); // Text1, Text2, Text3, Label2, Label3, Text4
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    const QStringList fixture = {"Qintara", "测试资料", "10001", "test@example.org",
                                 "https://example.org", "测试用的文章"};
    QTest::newRow("Chinese article") << Language::Chinese << "故事/灯塔" << fixture
                                     << "灯塔的光照着海面。" << "文章预览：(共9字)";
    QTest::newRow("article named like a category")
        << Language::Chinese << "散文/故事" << fixture << "名叫故事的散文。" << "文章预览：(共8字)";
    QTest::newRow("program category named 错字练习")
        << Language::Chinese << "错字练习/同名" << fixture << "程序目录里的同名类别。"
        << "文章预览：(共11字)";
    QTest::newRow("user's wrong-character file")
        << Language::Chinese << "错字练习/小猫钓鱼"
        << QStringList{"", "测试资料", "10001", "test@example.org", "https://example.org",
                       "本文件是用户在进行文章练习(小猫钓鱼)时所有输入错误的字,建议用户选择此文件练习!"}
        << "钓鱼" << "文章预览：(共2字)";
    QTest::newRow("English article") << Language::English << "Stories/Gamma" << fixture
                                     << "Gamma text." << "文章预览：(共11字)";
}

void tst_ArticleDialog::clickPreviews()
{
    QFETCH(Language, language);
    QFETCH(QString, node);
    QFETCH(QStringList, details);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    open(language);
    click(node);

    QCOMPARE(m_prompter.texts(), QStringList());
    const QStringList shown = {child<QLineEdit>(QStringLiteral("Text1"))->text(),
                               child<QLineEdit>(QStringLiteral("Text2"))->text(),
                               child<QLineEdit>(QStringLiteral("Text3"))->text(),
                               child<QLabel>(QStringLiteral("Label2"))->text(),
                               child<QLabel>(QStringLiteral("Label3"))->text(),
                               child<QPlainTextEdit>(QStringLiteral("Text4"))->toPlainText()};
    QCOMPARE(shown, details);
    QCOMPARE(child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText(), text);
    QCOMPARE(child<QLabel>(QStringLiteral("Label1_6"))->text(), caption);
    QVERIFY(child<KorvelButton>(QStringLiteral("KorvelButton1"))->isEnabled());
}

void tst_ArticleDialog::arrowKeysPreview()
{
    open(Language::English);
    auto *tree = child<QTreeWidget>(QStringLiteral("TreeView1"));
    tree->setFocus();
    tree->setCurrentItem(node(QStringLiteral("Stories")));
    QTest::keyClick(tree, Qt::Key_Right); // open the category
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText(), QStringLiteral("Alpha text."));
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText(), QStringLiteral("Beta text."));
    QCOMPARE(child<QLabel>(QStringLiteral("Label1_6"))->text(), QStringLiteral("文章预览：(共10字)"));
}

void tst_ArticleDialog::categoryNodesChangeNothing()
{
    open(Language::Chinese);
    for (const QString &category : {QStringLiteral("故事"), QStringLiteral("错字练习")}) {
        click(category);
        QCOMPARE(child<QLabel>(QStringLiteral("Label1_6"))->text(), QStringLiteral("文章预览："));
        QVERIFY(!child<KorvelButton>(QStringLiteral("KorvelButton1"))->isEnabled());
    }

    click(QStringLiteral("故事/小猫钓鱼"));
    for (const QString &category : {QStringLiteral("散文"), QStringLiteral("错字练习")}) {
        click(category);
        QCOMPARE(child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText(),
                 QStringLiteral("小猫在河边钓鱼。"));
        QCOMPARE(child<QLabel>(QStringLiteral("Label1_6"))->text(), QStringLiteral("文章预览：(共8字)"));
        QVERIFY(child<KorvelButton>(QStringLiteral("KorvelButton1"))->isEnabled());
    }
    // The article clicked last is the one OK starts.
    QTest::mouseClick(child<KorvelButton>(QStringLiteral("KorvelButton1")), Qt::LeftButton);
    QCOMPARE(m_dialog->start()->title, QStringLiteral("小猫钓鱼"));
    QCOMPARE(m_prompter.texts(), QStringList());
}

void tst_ArticleDialog::articleWithoutTextCannotStart()
{
    m_folder->write(QStringLiteral("program/article/chinese/散文/空白.lmf"), articleBytes(QString()));
    open(Language::Chinese);
    click(QStringLiteral("故事/灯塔"));
    click(QStringLiteral("散文/空白"));
    QCOMPARE(m_prompter.texts(), QStringList());
    QVERIFY(child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText().isEmpty());
    QCOMPARE(child<QLabel>(QStringLiteral("Label1_6"))->text(), QStringLiteral("文章预览：(共0字)"));
    QVERIFY(!child<KorvelButton>(QStringLiteral("KorvelButton1"))->isEnabled());
}

void tst_ArticleDialog::unusableFileIsReported_data()
{
    QTest::addColumn<int>("lines"); // 0: the file vanishes after the tree is built
    QTest::newRow("seven lines") << 7;
    QTest::newRow("nine lines") << 9;
    QTest::newRow("vanished file") << 0;
}

void tst_ArticleDialog::unusableFileIsReported()
{
    QFETCH(int, lines);
    const QString file = QStringLiteral("program/article/chinese/散文/坏的.lmf");
    m_folder->write(file, articleBytes(QStringLiteral("坏文章"), lines == 0 ? 8 : lines));
    open(Language::Chinese);
    if (lines == 0)
        QVERIFY(QFile::remove(m_folder->file(file)));

    click(QStringLiteral("故事/灯塔"));
    click(QStringLiteral("散文/坏的"));
    QCOMPARE(m_prompter.texts(), QStringList{"这个练习文件已损坏!"});
    QCOMPARE(m_prompter.asked().first().title, QStringLiteral("提示"));
    QCOMPARE(m_prompter.asked().first().icon, Prompter::Icon::Information);
    // The article shown before stays, and so does OK.
    QCOMPARE(child<QTextEdit>(QStringLiteral("RichTextBox1"))->toPlainText(), QStringLiteral("灯塔的光照着海面。"));
    QCOMPARE(child<QLabel>(QStringLiteral("Label1_6"))->text(), QStringLiteral("文章预览：(共9字)"));
    QVERIFY(child<KorvelButton>(QStringLiteral("KorvelButton1"))->isEnabled());

    // Clicking it again tells again; one click tells once.
    click(QStringLiteral("散文/坏的"));
    QCOMPARE(m_prompter.texts().size(), 2);
    QTest::mouseClick(child<KorvelButton>(QStringLiteral("KorvelButton1")), Qt::LeftButton);
    QCOMPARE(m_dialog->start()->practisedText, QStringLiteral("灯塔的光照着海面。"));
}

void tst_ArticleDialog::countdownBox()
{
    open(Language::Chinese);
    auto *box = child<QCheckBox>(QStringLiteral("Check2"));
    auto *picker = child<QTimeEdit>(QStringLiteral("DTPicker1"));
    QCOMPARE(picker->time(), QTime(0, 0, 0));

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QVERIFY(picker->isEnabled());
    QCOMPARE(picker->time(), QTime(0, 10, 0));

    picker->setTime(QTime(1, 2, 3));
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!picker->isEnabled());
    QCOMPARE(picker->time(), QTime(0, 0, 0));

    // Ticking from code runs the same logic as a click.
    box->setChecked(true);
    QVERIFY(picker->isEnabled());
    QCOMPARE(picker->time(), QTime(0, 10, 0));
}

void tst_ArticleDialog::okStarts_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("node");
    QTest::addColumn<bool>("randomPosition");
    QTest::addColumn<double>("draw"); // the random number of the position
    QTest::addColumn<QTime>("countdown"); // invalid: Check2 not ticked
    QTest::addColumn<QString>("text");
    QTest::addColumn<Language>("textLanguage");
    QTest::addColumn<OptionalCountdown>("started");

    const QTime none;
    QTest::newRow("whole article") << Language::Chinese << "故事/灯塔" << false << 0.0 << none
                                   << "灯塔的光照着海面。" << Language::Chinese << OptionalCountdown();
    // Int(0.5 x 9 + 1) = 5: from the fifth character on.
    QTest::newRow("random position") << Language::Chinese << "故事/灯塔" << true << 0.5 << none
                                     << "照着海面。" << Language::Chinese << OptionalCountdown();
    QTest::newRow("random position at the first character")
        << Language::Chinese << "故事/灯塔" << true << 0.0 << none << "灯塔的光照着海面。"
        << Language::Chinese << OptionalCountdown();
    QTest::newRow("random position at the last character")
        << Language::English << "Stories/Alpha" << true << 0.999 << none << "." << Language::English
        << OptionalCountdown();
    QTest::newRow("countdown of ten minutes")
        << Language::English << "Basics/Home Row" << false << 0.0 << QTime(0, 10, 0) << "asdf jkl;"
        << Language::English << OptionalCountdown(Countdown{0, 10, 0});
    QTest::newRow("countdown set by the user")
        << Language::English << "Basics/Home Row" << false << 0.0 << QTime(1, 2, 3) << "asdf jkl;"
        << Language::English << OptionalCountdown(Countdown{1, 2, 3});
    // The language test looks at the whole article, not at the part typed.
    QTest::newRow("wrong-character file of the English menu")
        << Language::English << "错字练习/Alpha" << false << 0.0 << none << "xqz" << Language::English
        << OptionalCountdown();
}

void tst_ArticleDialog::okStarts()
{
    QFETCH(Language, language);
    QFETCH(QString, node);
    QFETCH(bool, randomPosition);
    QFETCH(double, draw);
    QFETCH(QTime, countdown);
    QFETCH(QString, text);
    QFETCH(Language, textLanguage);
    QFETCH(OptionalCountdown, started);
    open(language);
    click(node);
    if (randomPosition) {
        QTest::mouseClick(child<QCheckBox>(QStringLiteral("Check1")), Qt::LeftButton);
        m_random.append(draw);
    }
    if (countdown.isValid()) {
        QTest::mouseClick(child<QCheckBox>(QStringLiteral("Check2")), Qt::LeftButton);
        child<QTimeEdit>(QStringLiteral("DTPicker1"))->setTime(countdown);
    }
    QTest::mouseClick(child<KorvelButton>(QStringLiteral("KorvelButton1")), Qt::LeftButton);

    const Start expected{text, node.section(QLatin1Char('/'), 1), textLanguage, started};
    QCOMPARE(m_prompter.texts(), QStringList());
    QVERIFY(m_dialog->start().has_value());
    QVERIFY(*m_dialog->start() == expected);
    QCOMPARE(m_started->size(), 1);
    QVERIFY(m_started->first().first().value<Start>() == expected);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

void tst_ArticleDialog::zeroCountdownKeepsTheDialogOpen()
{
    open(Language::Chinese);
    click(QStringLiteral("故事/灯塔"));
    QTest::mouseClick(child<QCheckBox>(QStringLiteral("Check2")), Qt::LeftButton);
    auto *picker = child<QTimeEdit>(QStringLiteral("DTPicker1"));
    picker->setTime(QTime(0, 0, 0));
    QTest::mouseClick(child<KorvelButton>(QStringLiteral("KorvelButton1")), Qt::LeftButton);

    QCOMPARE(m_prompter.texts(), QStringList{"计时时间不能为零!"});
    QCOMPARE(m_prompter.asked().first().title, QStringLiteral("提示"));
    QCOMPARE(m_prompter.asked().first().icon, Prompter::Icon::Information);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(!m_dialog->start());
    QCOMPARE(m_started->size(), 0);

    // Typed into the picker, a time lets it start.
    picker->setFocus();
    picker->setSelectedSection(QDateTimeEdit::SecondSection);
    QTest::keyClicks(picker, QStringLiteral("30"));
    QTest::mouseClick(child<KorvelButton>(QStringLiteral("KorvelButton1")), Qt::LeftButton);
    QCOMPARE(m_prompter.texts().size(), 1);
    QVERIFY(m_dialog->start());
    QCOMPARE(m_dialog->start()->countdown, OptionalCountdown(Countdown{0, 0, 30}));
}

void tst_ArticleDialog::cancelStartsNothing()
{
    open(Language::Chinese);
    click(QStringLiteral("故事/灯塔"));
    QTest::mouseClick(child<KorvelButton>(QStringLiteral("KorvelButton2")), Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->start());
    QCOMPARE(m_started->size(), 0);
}

void tst_ArticleDialog::linkOpensTheDownloadPage()
{
    open(Language::Chinese);
    auto *link = child<QLabel>(QStringLiteral("Label5"));
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(m_urlOpener.opened, QStringList{ArticleDialog::DownloadPage});
    QVERIFY(m_dialog->isVisible());
}

void tst_ArticleDialog::controlsHaveNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("tree") << "TreeView1" << "选择练习文章" << "";
    QTest::newRow("provider") << "Text1" << "提 供 人：" << "";
    QTest::newRow("source") << "Text2" << "来    源：" << "";
    QTest::newRow("QQ") << "Text3" << "我 的 QQ：" << "";
    QTest::newRow("remarks") << "Text4" << "备注：" << "";
    // The preview is named by its caption, which carries the count.
    QTest::newRow("preview") << "RichTextBox1" << "文章预览：(共9字)" << "";
    QTest::newRow("countdown time") << "DTPicker1" << "倒计时练习" << "";
    // Labels that show a value keep it as their name.
    QTest::newRow("e-mail") << "Label2" << "test@example.org" << "E-mail  ：";
    QTest::newRow("web site") << "Label3" << "https://example.org" << "网    站：";
    QTest::newRow("OK") << "KorvelButton1" << "确  定" << "";
}

void tst_ArticleDialog::controlsHaveNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    open(Language::Chinese);
    click(QStringLiteral("故事/灯塔"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(child<QWidget>(control));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name).trimmed(), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);

    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_dialog.get());
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("选择练习文章"));
}

QTEST_MAIN(tst_ArticleDialog)
#include "tst_articledialog.moc"
