// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/settings/IniFile.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QDir>
#include <QTest>

class tst_IniFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readMissingFile();
    void longValue_data();
    void longValue();
    void write_data();
    void write();
    void writeIntoUnreadableFileFails();
    void failedWriteKeepsOldFile();
};

namespace {

QByteArray gbk(const QString &text)
{
    return TextCodec::encode(text);
}

} // namespace

// profile-rules.ini holds what hand-edited and Windows-written files contain:
// a comment and a key before the first section, a blank line, spacing around
// "=", an indented key, a quoted value, a key without "=", a "[Play]" header,
// a duplicate key, a duplicate section, an LF line and a last line without a
// line end.
void tst_IniFile::read_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("key before any section is in none") << "skin" << "Skinpath" << "blue";
    QTest::newRow("no section name") << "" << "Skinpath" << "";
    QTest::newRow("section in other case") << "music" << "BackMusic" << "1";
    QTest::newRow("key in other case") << "MUSIC" << "backmusic" << "1";
    QTest::newRow("indented key") << "music" << "CueMusic" << "0";
    QTest::newRow("quotes removed") << "music" << "BackMusicpath"
                                    << "C:\\Program Files\\Qintara\\Music\\a b.mid";
    QTest::newRow("key without equals") << "music" << "KeyMusic" << "";
    QTest::newRow("Play read as play, first duplicate wins") << "play" << "MaxTss" << "7";
    QTest::newRow("spaces around value") << "other" << "Voice" << "男声";
    QTest::newRow("gbk value") << "other" << "InputMeans" << "五笔";
    QTest::newRow("lf line end") << "exercise" << "Eword" << "words.txt";
    QTest::newRow("second section of same name ignored") << "other" << "Speed" << "";
    QTest::newRow("last line without line end") << "last" << "Carticle" << "no line end";
    QTest::newRow("missing section") << "sound" << "Speed" << "";
    QTest::newRow("missing key") << "skin" << "Name" << "";
}

void tst_IniFile::read()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString file = QStringLiteral(QINTARA_TEST_DATA_DIR "/settings/profile-rules.ini");
    QCOMPARE(IniRead(section, key, file), value);
}

void tst_IniFile::readMissingFile()
{
    TestFolder folder;
    QCOMPARE(IniRead("skin", "Skinpath", folder.file("Deplog.ini")), QString());
}

// What is written and what comes back: up to 128 characters are stored, up
// to 127 bytes of GBK are read.
void tst_IniFile::longValue_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");

    const QString chinese70 = QString("春眠不觉晓处处闻啼鸟夜来风雨声花落知多少").repeated(4).left(70);
    QTest::newRow("127 bytes whole") << QString(127, 'a') << QString(127, 'a') << QString(127, 'a');
    QTest::newRow("128 bytes cut") << QString(128, 'a') << QString(128, 'a') << QString(127, 'a');
    QTest::newRow("129 characters stored as 128")
        << QString(129, 'a') << QString(128, 'a') << QString(127, 'a');
    QTest::newRow("70 chinese characters: 140 bytes, half character dropped")
        << chinese70 << chinese70 << chinese70.left(63);
    QTest::newRow("chinese ending on byte 127")
        << "a" + chinese70.left(64) << "a" + chinese70.left(64) << "a" + chinese70.left(63);
    QTest::newRow("space before the cut trimmed")
        << QString(126, 'a') + " bc" << QString(126, 'a') + " b" << QString(126, 'a');
    QTest::newRow("line break ends the value") << "first\r\n[other]\r\nSpeed=1"
                                               << "first" << "first";
    QTest::newRow("NUL ends the value") << QString("abc") + QChar(0) + "def" << "abc" << "abc";
}

void tst_IniFile::longValue()
{
    QFETCH(QString, written);
    QFETCH(QString, stored);
    QFETCH(QString, read);
    TestFolder folder;
    const QString file = folder.file("Deplog.ini");
    QVERIFY(IniWrite("exercise", "Carticle", written, file));
    QCOMPARE(folder.read("Deplog.ini"), "[exercise]\r\nCarticle=" + gbk(stored) + "\r\n");
    QCOMPARE(IniRead("exercise", "Carticle", file), read);
}

void tst_IniFile::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("empty file") << QByteArray() << "user" << "password" << "959"
                                << QByteArray("[user]\r\npassword=959\r\n");
    QTest::newRow("replaced in place, rest untouched")
        << QByteArray("; note\r\n[music]\r\nBackMusic=1\r\nKeyMusic=0\r\n[other]\r\nSpeed=170\r\n")
        << "music" << "BackMusic" << "0"
        << QByteArray("; note\r\n[music]\r\nBackMusic=0\r\nKeyMusic=0\r\n[other]\r\nSpeed=170\r\n");
    QTest::newRow("Play updated in place, spelling kept")
        << QByteArray("[Play]\r\nP1Text=0\r\nMaxTss=5\r\n") << "play" << "MaxTss" << "9"
        << QByteArray("[Play]\r\nP1Text=0\r\nMaxTss=9\r\n");
    QTest::newRow("key spelling and spacing kept")
        << QByteArray("[other]\r\nspeed = 170\r\n") << "other" << "Speed" << "200"
        << QByteArray("[other]\r\nspeed = 200\r\n");
    QTest::newRow("first of duplicate keys replaced")
        << QByteArray("[play]\r\nMaxTss=7\r\nMaxTss=9\r\n") << "play" << "MaxTss" << "5"
        << QByteArray("[play]\r\nMaxTss=5\r\nMaxTss=9\r\n");
    QTest::newRow("key without equals gets the value")
        << QByteArray("[music]\r\nKeyMusic \r\n") << "music" << "KeyMusic" << "1"
        << QByteArray("[music]\r\nKeyMusic=1\r\n");
    QTest::newRow("new key after the section's last line, before the blank")
        << QByteArray("[skin]\r\nSkinpath=\r\n\r\n[music]\r\nBackMusic=1\r\n") << "skin" << "Name" << "蓝"
        << QByteArray("[skin]\r\nSkinpath=\r\nName=" + gbk("蓝") + "\r\n\r\n[music]\r\nBackMusic=1\r\n");
    QTest::newRow("new key in a last section without line end")
        << QByteArray("[user]\r\npassword=959") << "user" << "name" << "a"
        << QByteArray("[user]\r\npassword=959\r\nname=a\r\n");
    QTest::newRow("new section appended")
        << QByteArray("[user]\r\npassword=959\r\n") << "skin" << "Skinpath" << ""
        << QByteArray("[user]\r\npassword=959\r\n[skin]\r\nSkinpath=\r\n");
    QTest::newRow("lines before the first section are no section")
        << QByteArray("Skinpath=x\r\n") << "skin" << "Skinpath" << "blue"
        << QByteArray("Skinpath=x\r\n[skin]\r\nSkinpath=blue\r\n");
    QTest::newRow("lf line ends kept")
        << QByteArray("[other]\nVoice=男声\nSpeed=170\n") << "other" << "Speed" << "90"
        << QByteArray("[other]\nVoice=男声\nSpeed=90\n");
    QTest::newRow("gbk value")
        << QByteArray("[other]\r\nVoice=\r\n") << "other" << "Voice" << "女声"
        << QByteArray("[other]\r\nVoice=" + gbk("女声") + "\r\n");
}

void tst_IniFile::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    TestFolder folder;
    folder.write("Deplog.ini", before);
    QVERIFY(IniWrite(section, key, value, folder.file("Deplog.ini")));
    QCOMPARE(folder.read("Deplog.ini"), after);
}

void tst_IniFile::writeIntoUnreadableFileFails()
{
    TestFolder folder;
    folder.makeFolder("Deplog.ini");
    QVERIFY(!IniWrite("user", "password", "959", folder.file("Deplog.ini")));
    QVERIFY(!IniWrite("user", "password", "959", folder.file("no such folder/Deplog.ini")));
}

void tst_IniFile::failedWriteKeepsOldFile()
{
    TestFolder folder;
    const QByteArray old("[user]\r\npassword=959\r\n");
    folder.write("Deplog.ini", old);
    bool written = true;
    {
        FileSizeLimit fullDisk(old.size());
        written = IniWrite("skin", "Skinpath", "blue", folder.file("Deplog.ini"));
    }
    QVERIFY(!written);
    QCOMPARE(folder.read("Deplog.ini"), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {"Deplog.ini"});
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
