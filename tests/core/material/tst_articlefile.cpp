// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleFile.h"

#include "TestFolder.h"

#include <QDirIterator>
#include <QTest>

using Status = ArticleFile::Status;

namespace {

QString fixture(const QString &relative)
{
    return QStringLiteral(QINTARA_TEST_DATA_DIR "/material/articles/") + relative;
}

} // namespace

class tst_ArticleFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readsEveryField();
    void ReadArticleFile_data();
    void ReadArticleFile();
    void everyShippedArticleReads();
};

void tst_ArticleFile::read_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("eight lines and a final line end") << "program/article/chinese/故事/灯塔.lmf"
                                                     << Status::Read << "灯塔的光照着海面。";
    QTest::newRow("no final line end") << "broken/no final line end.lmf" << Status::Read << "八行文章。";
    QTest::newRow("LF line ends") << "broken/LF line ends.lmf" << Status::Read << "八行文章。";
    QTest::newRow("empty text is still eight lines") << "broken/empty text.lmf" << Status::Read << "";
    QTest::newRow("seven lines") << "broken/seven lines.lmf" << Status::Damaged << "";
    QTest::newRow("nine lines") << "broken/nine lines.lmf" << Status::Damaged << "";
    QTest::newRow("empty ninth line after the final line end")
        << "broken/empty ninth line.lmf" << Status::Damaged << "";
    QTest::newRow("empty file") << "broken/empty file.lmf" << Status::Damaged << "";
    QTest::newRow("missing file") << "broken/missing.lmf" << Status::Unreadable << "";
    QTest::newRow("folder") << "broken" << Status::Unreadable << "";
}

void tst_ArticleFile::read()
{
    QFETCH(QString, file);
    QFETCH(Status, status);
    QFETCH(QString, text);

    const ArticleFile article = ArticleFile::read(fixture(file));
    QCOMPARE(article.status, status);
    QCOMPARE(article.text, text);
}

void tst_ArticleFile::readsEveryField()
{
    ArticleFile expected;
    expected.status = Status::Read;
    expected.kind = QStringLiteral("错字练习");
    expected.provider = QString();
    expected.source = QStringLiteral("测试资料");
    expected.qq = QStringLiteral("10001");
    expected.email = QStringLiteral("test@example.org");
    expected.webSite = QStringLiteral("https://example.org");
    expected.remarks = QStringLiteral(
        "本文件是用户在进行文章练习(小猫钓鱼)时所有输入错误的字,建议用户选择此文件练习!");
    expected.text = QStringLiteral("钓鱼");
    QCOMPARE(ArticleFile::read(fixture(QStringLiteral("user/错字练习/chinese/小猫钓鱼.lmf"))), expected);
}

void tst_ArticleFile::ReadArticleFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("eight");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QString>("last");

    QTest::newRow("eight lines") << "broken/no final line end.lmf" << true << qsizetype(8) << "八行文章。";
    QTest::newRow("seven lines") << "broken/seven lines.lmf" << false << qsizetype(7) << "测试用的文章";
    QTest::newRow("nine lines") << "broken/nine lines.lmf" << false << qsizetype(9) << "第九行";
    QTest::newRow("empty ninth line") << "broken/empty ninth line.lmf" << false << qsizetype(9) << "";
    QTest::newRow("missing file") << "broken/missing.lmf" << false << qsizetype(0) << "";
}

void tst_ArticleFile::ReadArticleFile()
{
    QFETCH(QString, file);
    QFETCH(bool, eight);
    QFETCH(qsizetype, count);
    QFETCH(QString, last);

    // Lines left from an earlier read must not survive.
    QStringList lines { QStringLiteral("old 1"), QStringLiteral("old 2") };
    QCOMPARE(::ReadArticleFile(fixture(file), lines), eight);
    QCOMPARE(lines.size(), count);
    if (count > 0) {
        QCOMPARE(lines.first(), QStringLiteral("文章"));
        QCOMPARE(lines.last(), last);
    }
}

void tst_ArticleFile::everyShippedArticleReads()
{
    int articles = 0;
    QDirIterator it(QStringLiteral(QINTARA_SHIPPED_DATA_DIR "/article"), { QStringLiteral("*.lmf") },
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const ArticleFile article = ArticleFile::read(path);
        QVERIFY2(article.status == Status::Read, qPrintable(path));
        QVERIFY2(!article.text.trimmed().isEmpty(), qPrintable(path));
        QVERIFY2(!article.text.contains(QChar::ReplacementCharacter), qPrintable(path));
        ++articles;
    }
    QVERIFY(articles > 0);
}

QTEST_GUILESS_MAIN(tst_ArticleFile)
#include "tst_articlefile.moc"
