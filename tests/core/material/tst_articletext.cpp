// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ArticleText.h"

#include <QTest>

using Status = ArticleText::Status;

class tst_ArticleText : public QObject
{
    Q_OBJECT

private slots:
    void decodePlain_data();
    void decodePlain();
    void read_data();
    void read();
};

void tst_ArticleText::decodePlain_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString chinese = QStringLiteral("打字练习：中文与English。");
    QTest::newRow("UTF-8 with byte order mark") << QByteArray("\xEF\xBB\xBF") + chinese.toUtf8() << chinese;
    QTest::newRow("UTF-8 without byte order mark") << chinese.toUtf8() << chinese;
    QTest::newRow("GBK") << QByteArray("\xB4\xF2\xD7\xD6\xC1\xB7\xCF\xB0") << "打字练习";
    QTest::newRow("ASCII") << QByteArray("plain text") << "plain text";
    QTest::newRow("byte order mark decides over a bad byte")
        << QByteArray("\xEF\xBB\xBF" "a\xFF") << QStringLiteral("a\uFFFD");
    QTest::newRow("byte order mark alone") << QByteArray("\xEF\xBB\xBF") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void tst_ArticleText::decodePlain()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(ArticleText::decodePlain(bytes), text);
}

void tst_ArticleText::read_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("text");

    // Lines trimmed of spaces and joined, whatever the coding.
    const QString joined = QStringLiteral("Qintara 打字练习第二行：中文与English。");
    QTest::newRow("UTF-8 with byte order mark") << "text/utf8 bom.txt" << Status::Read << joined;
    QTest::newRow("UTF-8 without byte order mark") << "text/utf8.txt" << Status::Read << joined;
    QTest::newRow("GBK") << "text/gbk.txt" << Status::Read << joined;
    QTest::newRow("only blank lines") << "text/empty.txt" << Status::Empty << "";
    QTest::newRow("missing plain file") << "text/missing.txt" << Status::Unreadable << "";

    // An article file gives its eighth line, whatever the case of ".lmf".
    QTest::newRow("article file") << "broken/no final line end.lmf" << Status::Read << "八行文章。";
    QTest::newRow("capital extension") << "broken/capital extension.LMF" << Status::Read << "八行文章。";
    QTest::newRow("damaged article") << "broken/seven lines.lmf" << Status::Damaged << "";
    QTest::newRow("article without text") << "broken/empty text.lmf" << Status::Empty << "";
    QTest::newRow("missing article") << "broken/missing.lmf" << Status::Unreadable << "";
}

void tst_ArticleText::read()
{
    QFETCH(QString, file);
    QFETCH(Status, status);
    QFETCH(QString, text);

    const ArticleText read =
        ArticleText::read(QStringLiteral(QINTARA_TEST_DATA_DIR "/material/articles/") + file);
    QCOMPARE(read.status, status);
    QCOMPARE(read.text, text);
}

QTEST_GUILESS_MAIN(tst_ArticleText)
#include "tst_articletext.moc"
