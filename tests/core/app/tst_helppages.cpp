// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/HelpContents.h"
#include "core/app/HelpPages.h"

#include "TestFolder.h"

#include <QFileInfo>
#include <QTest>

namespace {

// The mode names of the views that have a page of their own.
QStringList viewModes()
{
    return {"字母练习", "单词练习", "英文章练习", "单字练习", "词组练习", "中文章练习",
            "青蛙", "地鼠", "精英", "成绩记录", "成绩分析", "数字"};
}

} // namespace

class tst_HelpPages : public QObject
{
    Q_OBJECT

private slots:
    void helpPageFor_data();
    void helpPageFor();
    void helpPagePath_data();
    void helpPagePath();
    void shippedPageExists_data();
    void shippedPageExists();
    void everyViewPageIsInTheContents();
};

void tst_HelpPages::helpPageFor_data()
{
    QTest::addColumn<QString>("modeName");
    QTest::addColumn<QString>("page");

    const QString welcome = "\\help.chm::html/欢迎您使用Qintara.htm";
    QTest::newRow("letters") << "字母练习" << "\\help.chm::html/使用说明-英-字母.htm";
    QTest::newRow("words") << "单词练习" << "\\help.chm::html/使用说明-英-单词.htm";
    QTest::newRow("English article") << "英文章练习" << "\\help.chm::html/使用说明-英-文章.htm";
    QTest::newRow("characters") << "单字练习" << "\\help.chm::html/使用说明-中-单字.htm";
    QTest::newRow("phrases") << "词组练习" << "\\help.chm::html/使用说明-中-词组.htm";
    QTest::newRow("Chinese article") << "中文章练习" << "\\help.chm::html/使用说明-中-文章.htm";
    QTest::newRow("frog game") << "青蛙" << "\\help.chm::html/游-青.htm";
    QTest::newRow("mole game") << "地鼠" << "\\help.chm::html/游-地.htm";
    QTest::newRow("shooting game") << "精英" << "\\help.chm::html/游-精英.htm";
    QTest::newRow("result records") << "成绩记录" << "\\help.chm::html/成绩-记录.htm";
    QTest::newRow("result analysis") << "成绩分析" << "\\help.chm::html/成绩-分析.htm";
    QTest::newRow("numbers") << "数字" << "\\help.chm::html/使用说明-数.htm";
    QTest::newRow("nothing chosen yet") << "" << welcome;
    QTest::newRow("unknown mode") << "打字游戏" << welcome;
    QTest::newRow("mode with a trailing space") << "字母练习 " << welcome;
}

void tst_HelpPages::helpPageFor()
{
    QFETCH(QString, modeName);
    QFETCH(QString, page);
    QCOMPARE(::helpPageFor(practiceModeNamed(modeName).value_or(PracticeMode::None)), page);
}

void tst_HelpPages::helpPagePath_data()
{
    QTest::addColumn<QString>("existing"); // file to create, empty for none
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("expected"); // relative to the program folder; empty: no file

    QTest::newRow("page of the table")
        << "help/html/使用说明-英-字母.htm" << "\\help.chm::html/使用说明-英-字母.htm"
        << "help/html/使用说明-英-字母.htm";
    QTest::newRow("folders in other case")
        << "Help/HTML/游-青.htm" << "\\help.chm::html/游-青.htm" << "Help/HTML/游-青.htm";
    QTest::newRow("file name in other case")
        << "help/html/Notes.htm" << "\\help.chm::html/notes.HTM" << "help/html/Notes.htm";
    QTest::newRow("help file name in capitals")
        << "help/html/a.htm" << "\\HELP.CHM::html/a.htm" << "help/html/a.htm";
    QTest::newRow("without leading backslash")
        << "help/html/a.htm" << "help.chm::html/a.htm" << "help/html/a.htm";
    QTest::newRow("backslashes inside the help file")
        << "help/html/a.htm" << "\\help.chm::html\\a.htm" << "help/html/a.htm";
    QTest::newRow("missing page keeps its spelling")
        << "" << "\\help.chm::html/新页.htm" << "help/html/新页.htm";
    QTest::newRow("climbing out of the help folder")
        << "user/anna/Deplog.ini" << "\\help.chm::html/../../user/anna/Deplog.ini" << "";
    QTest::newRow("not inside the help file") << "Music/a.wav" << "\\Music\\a.wav" << "";
    QTest::newRow("help file without a page") << "" << "\\help.chm::" << "";
}

void tst_HelpPages::helpPagePath()
{
    QFETCH(QString, existing);
    QFETCH(QString, literal);
    QFETCH(QString, expected);

    TestFolder folder;
    if (!existing.isEmpty())
        folder.write(existing, "<html></html>");
    const QString path = ::helpPagePath(ProgramFolder(folder.path()), literal);
    QCOMPARE(path, expected.isEmpty() ? QString() : folder.file(expected));
}

// Every page the program opens, and every entry of the contents, ships.
void tst_HelpPages::shippedPageExists_data()
{
    QTest::addColumn<QString>("literal");

    QTest::newRow("welcome page") << welcomeHelpPage();
    QTest::newRow("speech page") << speechHelpPage();
    for (const QString &mode : viewModes())
        QTest::addRow("view %s", qPrintable(mode)) << ::helpPageFor(practiceModeNamed(mode).value());
    for (const HelpTopic &topic : helpContents())
        QTest::addRow("contents %s", qPrintable(topic.title)) << "\\help.chm::html/" + topic.fileName;
}

void tst_HelpPages::shippedPageExists()
{
    QFETCH(QString, literal);
    const QString path = ::helpPagePath(ProgramFolder(QINTARA_SHIPPED_DATA_DIR), literal);
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
}

void tst_HelpPages::everyViewPageIsInTheContents()
{
    QStringList listed;
    for (const HelpTopic &topic : helpContents())
        listed << "\\help.chm::html/" + topic.fileName;
    for (const QString &mode : viewModes())
        QVERIFY2(listed.contains(::helpPageFor(practiceModeNamed(mode).value())), qPrintable(mode));
    QVERIFY(listed.contains(speechHelpPage()));
    QCOMPARE(listed.first(), welcomeHelpPage());
}

QTEST_GUILESS_MAIN(tst_HelpPages)
#include "tst_helppages.moc"
