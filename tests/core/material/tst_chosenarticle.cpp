// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/ChosenArticle.h"

#include "ScriptedRandom.h"

#include <QTest>

using Status = ArticleText::Status;

class tst_ChosenArticle : public QObject
{
    Q_OBJECT

private slots:
    void nameFilters();
    void titleOf_data();
    void titleOf();
    void open_data();
    void open();
};

void tst_ChosenArticle::nameFilters()
{
    QCOMPARE(ChosenArticle::nameFilters(),
             (QStringList { "Txt 文本格式 (*.txt)", "Lmf Qintara练习文件格式 (*.lmf)" }));
}

void tst_ChosenArticle::titleOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");

    QTest::newRow("text file") << "/home/user/文章/小猫钓鱼.txt" << "小猫钓鱼";
    QTest::newRow("article file") << "/a/b/Home Row.lmf" << "Home Row";
    QTest::newRow("dots in the name") << "/a/v1.2 notes.txt" << "v1.2 notes";
    QTest::newRow("longer extension") << "/a/story.text" << "story";
    QTest::newRow("no extension") << "/a/story" << "story";
}

void tst_ChosenArticle::titleOf()
{
    QFETCH(QString, path);
    QFETCH(QString, title);

    QCOMPARE(ChosenArticle::titleOf(path), title);
}

void tst_ChosenArticle::open_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message");

    const QList<double> first(10, 0.0); // the first character, ten times
    const QString joined = QStringLiteral("Qintara 打字练习第二行：中文与English。");
    QTest::newRow("UTF-8 text with byte order mark") << "text/utf8 bom.txt" << first << Status::Read
                                                     << "utf8 bom" << joined << Language::English << "";
    QTest::newRow("UTF-8 text") << "text/utf8.txt" << first << Status::Read << "utf8" << joined
                                << Language::English << "";
    QTest::newRow("GBK text") << "text/gbk.txt" << QList<double>(10, 0.99) << Status::Read << "gbk"
                              << joined << Language::Chinese << "";
    QTest::newRow("article file gives its text line")
        << "program/article/chinese/故事/灯塔.lmf" << first << Status::Read << "灯塔"
        << "灯塔的光照着海面。" << Language::Chinese << "";
    QTest::newRow("damaged article") << "broken/nine lines.lmf" << QList<double>() << Status::Damaged << ""
                                     << "" << Language::Chinese << "这个练习文件已损坏!";
    QTest::newRow("article without text") << "broken/empty text.lmf" << QList<double>() << Status::Empty
                                          << "" << "" << Language::Chinese << "这个练习文件已损坏!";
    QTest::newRow("text of blank lines") << "text/empty.txt" << QList<double>() << Status::Empty << ""
                                         << "" << Language::Chinese << "这个练习文件已损坏!";
    QTest::newRow("file gone") << "text/gone.txt" << QList<double>() << Status::Unreadable << "" << ""
                               << Language::Chinese << "";
}

void tst_ChosenArticle::open()
{
    QFETCH(QString, file);
    QFETCH(QList<double>, draws);
    QFETCH(Status, status);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(Language, language);
    QFETCH(QString, message);

    const QString path = QStringLiteral(QINTARA_TEST_DATA_DIR "/material/articles/") + file;
    ScriptedRandom random(draws);
    const ChosenArticle chosen = ChosenArticle::open(path, random);
    QCOMPARE(chosen.status, status);
    QCOMPARE(chosen.starts(), status == Status::Read);
    QCOMPARE(chosen.path, chosen.starts() ? path : QString());
    QCOMPARE(chosen.title, title);
    QCOMPARE(chosen.practisedText, text);
    QCOMPARE(chosen.language, language);
    QCOMPARE(chosen.message(), message);
    QCOMPARE(random.left(), 0);
}

QTEST_GUILESS_MAIN(tst_ChosenArticle)
#include "tst_chosenarticle.moc"
