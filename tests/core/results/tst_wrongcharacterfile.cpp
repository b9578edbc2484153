// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/results/WrongCharacterFile.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QFile>
#include <QTest>

class tst_WrongCharacterFile : public QObject
{
    Q_OBJECT

private slots:
    void writeMatchesGolden_data();
    void writeMatchesGolden();
    void writeReplacesEarlierFile();
    void lineBreaksStayOutOfTheText();
    void retire_data();
    void retire();
    void failedWriteKeepsEarlierFile();
};

namespace {

QByteArray fixture(const QString &name)
{
    return readFixture(QStringLiteral("results/") + name);
}

} // namespace

// The folders below the user folder are made as needed; existing ones are
// found whatever their case.
void tst_WrongCharacterFile::writeMatchesGolden_data()
{
    QTest::addColumn<QString>("existingFolder");
    QTest::addColumn<QString>("written");

    QTest::newRow("no folder yet") << "" << "user/anna/错字练习/chinese/春晓.lmf";
    QTest::newRow("only 错字练习 there") << "user/anna/错字练习" << "user/anna/错字练习/chinese/春晓.lmf";
    QTest::newRow("category folder in capitals")
        << "user/anna/错字练习/CHINESE" << "user/anna/错字练习/CHINESE/春晓.lmf";
}

void tst_WrongCharacterFile::writeMatchesGolden()
{
    QFETCH(QString, existingFolder);
    QFETCH(QString, written);

    TestFolder folder;
    folder.makeFolder("user/anna");
    if (!existingFolder.isEmpty())
        folder.makeFolder(existingFolder);
    const QString user = folder.file("user/anna");

    QString error;
    QVERIFY2(WrongCharacterFile::write(user, "chinese\\", "春晓", "眠觉晓啼", &error),
             qPrintable(error));
    QCOMPARE(WrongCharacterFile::path(user, "chinese\\", "春晓"), folder.file(written));
    QCOMPARE(folder.read(written), fixture("wrong-characters.lmf"));
}

void tst_WrongCharacterFile::writeReplacesEarlierFile()
{
    TestFolder folder;
    folder.write("anna/错字练习/english/The Gift.lmf", QByteArray(500, '#'));
    QVERIFY(WrongCharacterFile::write(folder.file("anna"), "english\\", "The Gift", "eht"));
    const QByteArray bytes = folder.read("anna/错字练习/english/The Gift.lmf");
    QVERIFY(bytes.startsWith("\xb4\xed\xd7\xd6\xc1\xb7\xcf\xb0\r\n")); // 错字练习
    QVERIFY(bytes.endsWith("\r\neht\r\n"));
    QVERIFY(!bytes.contains('#'));
}

// The text must stay the eighth and last line, or the chooser calls the file
// damaged.
void tst_WrongCharacterFile::lineBreaksStayOutOfTheText()
{
    const QStringList lines = WrongCharacterFile::lines("春晓", "眠\r\n觉\n晓");
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(0), QString("错字练习"));
    QCOMPARE(lines.at(6),
             QString("本文件是用户在进行文章练习(春晓)时所有输入错误的字,建议用户选择此文件练习!"));
    QCOMPARE(lines.at(7), QString("眠觉晓"));
}

void tst_WrongCharacterFile::retire_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("the article's file goes")
        << QStringList {"anna/错字练习/chinese/春晓.lmf", "anna/错字练习/chinese/静夜思.lmf"}
        << QStringList {"anna/错字练习/chinese/静夜思.lmf"};
    QTest::newRow("nothing to retire") << QStringList {"anna/错字练习/chinese/静夜思.lmf"}
                                       << QStringList {"anna/错字练习/chinese/静夜思.lmf"};
    QTest::newRow("same title of the other language stays") << QStringList {"anna/错字练习/english/春晓.lmf"}
        << QStringList {"anna/错字练习/english/春晓.lmf"};
    QTest::newRow("no folder at all") << QStringList {} << QStringList {};
}

void tst_WrongCharacterFile::retire()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, left);

    TestFolder folder;
    folder.makeFolder("anna");
    for (const QString &file : files)
        folder.write(file, "x");
    QVERIFY(WrongCharacterFile::retire(folder.file("anna"), "chinese\\", "春晓"));
    for (const QString &file : files)
        QCOMPARE(QFile::exists(folder.file(file)), left.contains(file));
}

void tst_WrongCharacterFile::failedWriteKeepsEarlierFile()
{
    TestFolder folder;
    const QByteArray earlier = fixture("wrong-characters.lmf");
    folder.write("anna/错字练习/chinese/春晓.lmf", earlier);
    bool written = true;
    QString error;
    {
        FileSizeLimit fullDisk(earlier.size());
        written = WrongCharacterFile::write(folder.file("anna"), "chinese\\", "春晓",
                                            QString(200, QChar(0x4e00)), &error);
    }
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("anna/错字练习/chinese/春晓.lmf"), earlier);
}

QTEST_GUILESS_MAIN(tst_WrongCharacterFile)
#include "tst_wrongcharacterfile.moc"
