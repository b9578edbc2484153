// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QDir>
#include <QTest>

class tst_TextCodec : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void splitLines_data();
    void splitLines();
    void writeFileUsesGbkAndCrlf();
    void readMissingFileFails();
    void writeIntoMissingFolderFails();
    void writeOnFullDiskKeepsOldFile();
};

void tst_TextCodec::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("abc") << QString("abc");
    QTest::newRow("gbk") << QByteArray("\xd6\xd0\xb9\xfa") << QString("中国");
    QTest::newRow("gb18030 four-byte") << QByteArray("\x81\x30\x81\x30") << QString(QChar(0x80));
    QTest::newRow("bad trail byte") << QByteArray("\xd6\x20" "a") << QString("\uFFFD a");
    QTest::newRow("lead byte cut off at the end") << QByteArray("a\xd6") << QString("a\uFFFD");
    QTest::newRow("four-byte sequence cut off") << QByteArray("\x81\x30\x81") << QString("\uFFFD" "0\uFFFD");
    QTest::newRow("0xFF") << QByteArray("\xff" "b") << QString("\uFFFD" "b");
    QTest::newRow("empty") << QByteArray() << QString();
}

void tst_TextCodec::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::decode(bytes), text);
}

void tst_TextCodec::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ascii") << QString("Play") << QByteArray("Play");
    QTest::newRow("chinese") << QString("五笔") << QByteArray("\xce\xe5\xb1\xca");
    QTest::newRow("ideographic space") << QString("\u3000") << QByteArray("\xa1\xa1");
    QTest::newRow("outside gbk") << QString("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("soft hyphen dropped") << QString("a\u00ADb") << QByteArray("ab");
}

void tst_TextCodec::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::encode(text), bytes);
}

void tst_TextCodec::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("crlf") << QString("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QString("a\nb") << QStringList{"a", "b"};
    QTest::newRow("mixed with empty line") << QString("a\r\n\nb") << QStringList{"a", "", "b"};
    QTest::newRow("lone cr stays in the line") << QString("a\rb\n") << QStringList{"a\rb"};
    QTest::newRow("only a line end") << QString("\r\n") << QStringList{""};
    QTest::newRow("empty") << QString() << QStringList{};
}

void tst_TextCodec::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextCodec::splitLines(text), lines);
}

void tst_TextCodec::writeFileUsesGbkAndCrlf()
{
    TestFolder folder;
    const QString path = folder.file("out.txt");
    QVERIFY(TextCodec::writeFile(path, QString("中\nb\r\nc\n")));
    QCOMPARE(folder.read("out.txt"), QByteArray("\xd6\xd0\r\nb\r\nc\r\n"));
    QCOMPARE(TextCodec::readLines(path).value(), (QStringList{"中", "b", "c"}));
}

void tst_TextCodec::readMissingFileFails()
{
    TestFolder folder;
    QString error;
    QVERIFY(!TextCodec::readFile(folder.file("none.txt"), &error).has_value());
    QVERIFY(!error.isEmpty());
}

void tst_TextCodec::writeIntoMissingFolderFails()
{
    TestFolder folder;
    QString error;
    QVERIFY(!TextCodec::writeFile(folder.file("none/out.txt"), QString("x"), &error));
    QVERIFY(!error.isEmpty());
}

void tst_TextCodec::writeOnFullDiskKeepsOldFile()
{
    TestFolder folder;
    folder.write("out.txt", "old");
    QString error;
    bool written = true;
    {
        // Nothing is logged while the limit holds: the log may be a file.
        FileSizeLimit fullDisk(10);
        written = TextCodec::writeBytes(folder.file("out.txt"), QByteArray(100, 'x'), &error);
    }
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("out.txt"), QByteArray("old"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {"out.txt"});
}

QTEST_GUILESS_MAIN(tst_TextCodec)
#include "tst_textcodec.moc"
