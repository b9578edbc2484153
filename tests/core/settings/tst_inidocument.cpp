// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/settings/IniDocument.h"

#include "TestFolder.h"

#include <QTest>

// The reading and writing rules themselves are tested through IniRead and
// IniWrite (tst_inifile); here: what a document is, how large a file may be,
// and what comes back whole.
class tst_IniDocument : public QObject
{
    Q_OBJECT

private slots:
    void isIniText_data();
    void isIniText();
    void sizeLimit_data();
    void sizeLimit();
    void longLineIsKeptAndCut();
    void manyKeysInOnePass();
    void readsBack_data();
    void readsBack();
    void blanksDoNotGrowTheFile_data();
    void blanksDoNotGrowTheFile();
};

void tst_IniDocument::isIniText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("iniText");

    QTest::newRow("a new user's file") << readFixture("settings/new-user.ini") << true;
    QTest::newRow("a file written on Windows") << readFixture("settings/windows-deplog.ini") << true;
    QTest::newRow("a hand-edited file") << readFixture("settings/profile-rules.ini") << true;
    QTest::newRow("a password only") << QByteArray("[user]\r\npassword=959\r\n") << true;
    QTest::newRow("an empty section") << QByteArray("[skin]") << true;
    QTest::newRow("euro sign and 0xFF are code page 936")
        << QByteArray("[music]\nBackMusicpath=\x80\xff.mid\n") << true;
    QTest::newRow("tab and stray CR") << QByteArray("[other]\r\n\tSpeed=170\r\r\n") << true;

    for (const char *name : {"empty", "zeros", "random", "nul-in-value", "invalid-gbk", "no-section",
                             "control-characters"}) {
        QTest::newRow(name) << readFixture(QStringLiteral("settings/broken/%1.ini").arg(QLatin1String(name)))
                            << false;
    }
    QTest::newRow("a lead byte at the end") << QByteArray("[skin]\r\nSkinpath=\xd6") << false;
    QTest::newRow("a header without a closing bracket") << QByteArray("[skin\r\nSkinpath=\r\n") << false;
}

void tst_IniDocument::isIniText()
{
    QFETCH(QByteArray, bytes);
    QTEST(IniDocument::fromBytes(bytes).isIniText(), "iniText");
}

void tst_IniDocument::sizeLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("loads");

    QTest::newRow("1 MB loads") << IniDocument::MaxFileBytes << true;
    QTest::newRow("one byte more is refused") << IniDocument::MaxFileBytes + 1 << false;
    QTest::newRow("10 MB is refused") << 10 * IniDocument::MaxFileBytes << false;
}

// A file of that size: a settings file padded with comment lines.
void tst_IniDocument::sizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(bool, loads);
    QByteArray bytes = "[other]\r\nSpeed=200\r\n";
    const QByteArray comment = "; " + QByteArray(60, 'x') + "\r\n";
    while (bytes.size() + comment.size() <= size)
        bytes += comment;
    bytes += QByteArray(size - bytes.size(), ';');
    QCOMPARE(bytes.size(), size);

    TestFolder folder;
    folder.write("Deplog.ini", bytes);
    QString error;
    const std::optional<IniDocument> document = IniDocument::load(folder.file("Deplog.ini"), &error);
    QCOMPARE(document.has_value(), loads);
    if (loads) {
        QCOMPARE(document->value("other", "Speed"), QString("200"));
        QVERIFY(error.isEmpty());
    } else {
        QVERIFY(error.contains("1 MB"));
    }
}

void tst_IniDocument::longLineIsKeptAndCut()
{
    const QByteArray longLine = "Voice=" + QByteArray(100 * 1024, 'x');
    const QByteArray bytes = "[other]\r\n" + longLine + "\r\nSpeed=170\r\n";
    IniDocument document = IniDocument::fromBytes(bytes);
    QVERIFY(document.isIniText());
    QCOMPARE(document.value("other", "Voice"), QString(IniDocument::MaxReadBytes, 'x'));
    document.setValue("other", "Speed", "90");
    QCOMPARE(document.toBytes(), "[other]\r\n" + longLine + "\r\nSpeed=90\r\n");
}

// Thousands of sections and keys, every one read and changed: the first
// occurrence counts, duplicates and untouched lines keep their bytes.
void tst_IniDocument::manyKeysInOnePass()
{
    QByteArray bytes;
    for (int section = 0; section < 200; ++section) {
        bytes += "[Section" + QByteArray::number(section) + "]\n";
        for (int key = 0; key < 50; ++key)
            bytes += "Key" + QByteArray::number(key) + " = " + QByteArray::number(section * key) + "\r\n";
        bytes += "key0=duplicate\r\n\r\n";
    }
    IniDocument document = IniDocument::fromBytes(bytes);
    QCOMPARE(document.toBytes(), bytes);
    for (int section = 0; section < 200; ++section) {
        const QString name = "SECTION" + QString::number(section);
        for (int key = 0; key < 50; ++key) {
            QCOMPARE(document.value(name, "key" + QString::number(key)), QString::number(section * key));
            document.setValue(name, "KEY" + QString::number(key), QString::number(section + key));
        }
        document.setValue(name, "Added", "new");
    }
    QByteArray expected;
    for (int section = 0; section < 200; ++section) {
        expected += "[Section" + QByteArray::number(section) + "]\n";
        for (int key = 0; key < 50; ++key)
            expected += "Key" + QByteArray::number(key) + " = " + QByteArray::number(section + key) + "\r\n";
        expected += "key0=duplicate\r\nAdded=new\r\n\r\n";
    }
    QCOMPARE(document.toBytes(), expected);
}

void tst_IniDocument::readsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("whole");

    QTest::newRow("empty") << QString() << true;
    QTest::newRow("127 bytes") << QString(127, 'a') << true;
    QTest::newRow("128 bytes") << QString(128, 'a') << false;
    QTest::newRow("63 Chinese characters") << QString(63, u'汉') << true;
    QTest::newRow("64 Chinese characters") << QString(64, u'汉') << false;
    QTest::newRow("euro sign") << QString("€") << true;
    QTest::newRow("outside GBK") << QString("\uD55C") << false;
    QTest::newRow("blank at the end") << QString("a ") << false;
    QTest::newRow("in quotes") << QString("\"a\"") << false;
    QTest::newRow("line break") << QString("a\nb") << false;
}

void tst_IniDocument::readsBack()
{
    QFETCH(QString, value);
    QTEST(IniDocument::readsBack(value), "whole");
}

// Found by the INI fuzzer: names given with blanks around them never found
// their line, and a value with a leading blank gained one at every save.
void tst_IniDocument::blanksDoNotGrowTheFile_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("padded key") << "user" << " Speed" << "3" << "3";
    QTest::newRow("padded section") << " Music " << "Path" << "a" << "a";
    QTest::newRow("leading blank value") << "user" << "k" << " x" << "x";
    // Code page 936 writes a default-ignorable character as nothing, which
    // left the tab after it leading the value.
    QTest::newRow("blank behind a character GBK drops") << "user" << "k" << QStringLiteral(u"\u061C\t$") << "$";
    QTest::newRow("blank before a character GBK drops") << "user" << "k" << QStringLiteral(u"$ \u200B") << "$";
}

void tst_IniDocument::blanksDoNotGrowTheFile()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, readBack);

    IniDocument document = IniDocument::fromBytes("[user]\r\nk= \r\n");
    document.setValue(section, key, value);
    const QByteArray once = document.toBytes();
    for (int save = 0; save < 3; ++save)
        document.setValue(section, key, value);
    QCOMPARE(document.toBytes(), once);
    QCOMPARE(document.value(section, key), readBack);
    QCOMPARE(document.value(section.trimmed(), key.trimmed()), readBack);
}

QTEST_GUILESS_MAIN(tst_IniDocument)
#include "tst_inidocument.moc"
