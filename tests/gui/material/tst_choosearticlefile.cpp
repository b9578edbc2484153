// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/material/ChooseArticleFile.h"

#include "core/material/ArticleFile.h"

#include "ScriptedFileChooser.h"
#include "ScriptedRandom.h"

#include <QTest>

using Status = ArticleText::Status;

Q_DECLARE_METATYPE(ArticleText::Status)

namespace {

const QString fixtures = QStringLiteral(QINTARA_TEST_DATA_DIR "/material/articles/");

} // namespace

class tst_ChooseArticleFile : public QObject
{
    Q_OBJECT

private slots:
    void asksAndReads_data();
    void asksAndReads();
};

void tst_ChooseArticleFile::asksAndReads_data()
{
    QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
    QTest::addColumn<bool>("answered");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("cancelled") << "" << false << Status::Unreadable << "" << "" << "";
    QTest::newRow("plain text") << "text/gbk.txt" << true << Status::Read << "gbk"
                                << "Qintara 打字练习第二行：中文与English。" << "";
    QTest::newRow("article file") << "program/article/chinese/故事/灯塔.lmf" << true << Status::Read
                                  << "灯塔" << "灯塔的光照着海面。" << "";
    // A refused file still comes back, so that the caller can tell the user.
    QTest::newRow("damaged article file") << "broken/seven lines.lmf" << true << Status::Damaged << ""
                                          << "" << ArticleFile::DamagedMessage;
}

void tst_ChooseArticleFile::asksAndReads()
{
    QFETCH(QString, chosen);
    QFETCH(bool, answered);
    QFETCH(Status, status);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, message);

    ScriptedFileChooser chooser;
    chooser.answerNext(chosen.isEmpty() ? std::nullopt : std::optional<QString>(fixtures + chosen));
    ScriptedRandom random;
    const std::optional<ChosenArticle> article = chooseArticleFile(chooser, random);

    QCOMPARE(chooser.asked().size(), 1);
    QCOMPARE(chooser.asked().first().title, QStringLiteral("打开练习文件"));
    QCOMPARE(chooser.asked().first().nameFilters,
             (QStringList{"Txt 文本格式 (*.txt)", "Lmf Qintara练习文件格式 (*.lmf)"}));
    QCOMPARE(article.has_value(), answered);
    if (!article)
        return;
    QCOMPARE(article->status, status);
    QCOMPARE(article->starts(), status == Status::Read);
    QCOMPARE(article->title, title);
    QCOMPARE(article->practisedText, text);
    QCOMPARE(article->message(), message);
}

QTEST_GUILESS_MAIN(tst_ChooseArticleFile)
#include "tst_choosearticlefile.moc"
