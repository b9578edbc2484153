// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleTree.h"

#include "core/material/ArticleFolders.h"
#include "core/platform/ProgramFolder.h"

#include "TestFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QTest>

namespace {

// A tree as names only: categories and their titles, each article's path
// relative to the test folder.
struct Shape
{
    QStringList categories;
    QList<QStringList> titles;
    QList<QStringList> paths;
};

Shape shapeOf(const ArticleTree &tree, const QString &base)
{
    Shape shape;
    for (const ArticleTree::Category &category : tree.categories) {
        shape.categories.append(category.name);
        QStringList titles;
        QStringList paths;
        for (const ArticleTree::Article &article : category.articles) {
            titles.append(article.title);
            paths.append(QDir(base).relativeFilePath(article.path));
        }
        shape.titles.append(titles);
        shape.paths.append(paths);
    }
    return shape;
}

} // namespace

class tst_ArticleTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void build_data();
    void build();
    void wrongCharacterNodeIsLast();
    void missingFolders();
    void article_data();
    void article();
    void listsEveryShippedArticle();

private:
    std::unique_ptr<TestFolder> m_folder;
};

void tst_ArticleTree::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_folder->copyFixture(QStringLiteral("material/articles"));
}

void tst_ArticleTree::build_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QList<QStringList>>("titles");
    QTest::addColumn<QList<QStringList>>("paths");

    // Folders and files by name without regard to case; a ".txt" beside the
    // articles, files directly in the category folder and in deeper folders
    // are left out; a capital ".LMF" is an article.
    QTest::newRow("English")
        << Language::English << QStringList { "animals", "Basics", "Stories", "错字练习" }
        << QList<QStringList> { { "Cats" }, { "Home Row" }, { "Alpha", "beta", "Gamma" }, { "Alpha" } }
        << QList<QStringList> {
               { "program/article/english/animals/Cats.lmf" },
               { "program/article/english/Basics/Home Row.lmf" },
               { "program/article/english/Stories/Alpha.lmf", "program/article/english/Stories/beta.lmf",
                 "program/article/english/Stories/Gamma.LMF" },
               { "user/错字练习/English/Alpha.lmf" } };

    // A category folder called "错字练习" is a category of its own, apart
    // from the user's node of the same name.
    QTest::newRow("Chinese")
        << Language::Chinese << QStringList { "故事", "散文", "错字练习", "错字练习" }
        << QList<QStringList> { { "小猫钓鱼", "灯塔" }, { "故事" }, { "同名" }, { "小猫钓鱼" } }
        << QList<QStringList> { { "program/article/chinese/故事/小猫钓鱼.lmf",
                                  "program/article/chinese/故事/灯塔.lmf" },
                                { "program/article/chinese/散文/故事.lmf" },
                                { "program/article/chinese/错字练习/同名.lmf" },
                                { "user/错字练习/chinese/小猫钓鱼.lmf" } };
}

void tst_ArticleTree::build()
{
    QFETCH(Language, language);
    QFETCH(QStringList, categories);
    QFETCH(QList<QStringList>, titles);
    QFETCH(QList<QStringList>, paths);

    const ArticleTree tree = ArticleTree::build(ProgramFolder(m_folder->file(QStringLiteral("program"))),
                                                m_folder->file(QStringLiteral("user")), language);
    const Shape shape = shapeOf(tree, m_folder->path());
    QCOMPARE(shape.categories, categories);
    QCOMPARE(shape.titles, titles);
    QCOMPARE(shape.paths, paths);
}

void tst_ArticleTree::wrongCharacterNodeIsLast()
{
    const ArticleTree tree = ArticleTree::build(ProgramFolder(m_folder->file(QStringLiteral("program"))),
                                                m_folder->file(QStringLiteral("user")), Language::Chinese);
    QCOMPARE(tree.categories.size(), 4);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!tree.categories.at(i).wrongCharacters);
    QVERIFY(tree.categories.last().wrongCharacters);
}

void tst_ArticleTree::missingFolders()
{
    // No article folder: only "错字练习"; no wrong-character folder for the
    // user (or no user folder at all): "错字练习" has no children.
    const ProgramFolder empty(m_folder->file(QStringLiteral("nothing here")));
    for (const QString &user : { m_folder->file(QStringLiteral("new user")), QString() }) {
        const ArticleTree tree = ArticleTree::build(empty, user, Language::English);
        QCOMPARE(tree.categories.size(), 1);
        QCOMPARE(tree.categories.first().name, QStringLiteral("错字练习"));
        QVERIFY(tree.categories.first().wrongCharacters);
        QVERIFY(tree.categories.first().articles.isEmpty());
    }

    // An empty category folder is still a category.
    m_folder->makeFolder(QStringLiteral("program/article/english/Blank"));
    const ArticleTree tree = ArticleTree::build(ProgramFolder(m_folder->file(QStringLiteral("program"))),
                                                QString(), Language::English);
    QCOMPARE(tree.categories.at(2).name, QStringLiteral("Blank"));
    QVERIFY(tree.categories.at(2).articles.isEmpty());
}

void tst_ArticleTree::article_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("article");
    QTest::addColumn<QString>("title");

    QTest::newRow("first article") << 0 << 0 << "小猫钓鱼";
    QTest::newRow("article named like a category") << 1 << 0 << "故事";
    QTest::newRow("wrong-character file") << 3 << 0 << "小猫钓鱼";
    QTest::newRow("category node") << 0 << -1 << "";
    QTest::newRow("wrong-character node") << 3 << -1 << "";
    QTest::newRow("past the articles") << 0 << 2 << "";
    QTest::newRow("past the categories") << 4 << 0 << "";
    QTest::newRow("negative category") << -1 << 0 << "";
}

void tst_ArticleTree::article()
{
    QFETCH(int, category);
    QFETCH(int, article);
    QFETCH(QString, title);

    const ArticleTree tree = ArticleTree::build(ProgramFolder(m_folder->file(QStringLiteral("program"))),
                                                m_folder->file(QStringLiteral("user")), Language::Chinese);
    const ArticleTree::Article *node = tree.article(category, article);
    QCOMPARE(node ? node->title : QString(), title);
}

void tst_ArticleTree::listsEveryShippedArticle()
{
    const ProgramFolder shipped(QStringLiteral(QINTARA_SHIPPED_DATA_DIR));
    for (const Language language : { Language::English, Language::Chinese }) {
        const QString folder = shipped.path(ArticleFolders::articleFolder(language));
        QStringList onDisk;
        QDirIterator it(folder, { QStringLiteral("*.lmf") }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            onDisk.append(it.next());

        QStringList listed;
        const ArticleTree tree = ArticleTree::build(shipped, QString(), language);
        for (const ArticleTree::Category &category : tree.categories) {
            if (!category.wrongCharacters)
                QVERIFY2(!category.articles.isEmpty(), qPrintable(category.name));
            for (const ArticleTree::Article &article : category.articles)
                listed.append(article.path);
        }
        onDisk.sort();
        listed.sort();
        QVERIFY(!listed.isEmpty());
        QCOMPARE(listed, onDisk);
    }
}

QTEST_GUILESS_MAIN(tst_ArticleTree)
#include "tst_articletree.moc"
