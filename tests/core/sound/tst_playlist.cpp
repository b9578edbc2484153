// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/Playlist.h"

#include "LockedFolder.h"
#include "TestFolder.h"

#include <QStringEncoder>
#include <QTest>

class tst_Playlist : public QObject
{
    Q_OBJECT

private slots:
    void entriesOf_data();
    void entriesOf();
    void readsFixtures_data();
    void readsFixtures();
    void missingFileCannotBeRead();
    void bytesOf_data();
    void bytesOf();
    void writtenListReadsBack();
    void refusedWhenTheFolderIsLocked();
    void filesToPlay_data();
    void filesToPlay();
    void isList_data();
    void isList();
};

namespace {

QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

} // namespace

void tst_Playlist::entriesOf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("only line ends") << QByteArray("\r\n\r\n\n") << QStringList();
    QTest::newRow("CR LF, empty lines dropped")
        << QByteArray("/a.mid\r\n\r\n/b.wav\r\n\r\n") << QStringList{"/a.mid", "/b.wav"};
    QTest::newRow("LF, no end after the last") << QByteArray("/a.mid\n/b.wav") << QStringList{"/a.mid", "/b.wav"};
    QTest::newRow("comment lines are entries here")
        << QByteArray("#EXTM3U\r\n/a.mid\r\n") << QStringList{"#EXTM3U", "/a.mid"};
    QTest::newRow("spaces are kept") << QByteArray(" /a b.mid \r\n") << QStringList{" /a b.mid "};
    QTest::newRow("GBK names") << gbk("/音乐/欢乐颂.mid\r\n") << QStringList{"/音乐/欢乐颂.mid"};
    QTest::newRow("UTF-8 names") << QString("/音乐/欢乐颂.mid\r\n").toUtf8() << QStringList{"/音乐/欢乐颂.mid"};
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF/a.mid\r\n") << QStringList{"/a.mid"};
    QTest::newRow("broken GBK bytes do not end the list")
        << QByteArray("/a\x81.mid\r\n/b.mid\r\n") << QStringList{QString("/a") + QChar(0xFFFD) + ".mid", "/b.mid"};
}

void tst_Playlist::entriesOf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QCOMPARE(Playlist::entriesOf(bytes), entries);
}

void tst_Playlist::readsFixtures_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("written on Windows in GBK")
        << "windows-gbk.m3u" << QStringList{"D:\\音乐\\欢乐颂.mid", "D:\\音乐\\茉莉花.mp3"};
    QTest::newRow("extended list in UTF-8")
        << "extended-utf8.m3u"
        << QStringList{"#EXTM3U", "#EXTINF:123,月光", "钢琴/月光.mid", "  ", "SUB\\Song.WAV"};
}

void tst_Playlist::readsFixtures()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, entries);
    const std::optional<QStringList> read =
        Playlist::read(QStringLiteral(QINTARA_TEST_DATA_DIR "/sound/playlists/") + fixture);
    QVERIFY(read);
    QCOMPARE(*read, entries);
}

void tst_Playlist::missingFileCannotBeRead()
{
    TestFolder folder;
    QString error;
    QVERIFY(!Playlist::read(folder.file("missing.m3u"), &error));
    QVERIFY(!error.isEmpty());
}

void tst_Playlist::bytesOf_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("golden file") << QStringList{"/home/anna/音乐/欢乐颂.mid", "/home/anna/b.mp3"}
                                 << readFixture("sound/playlists/saved.m3u");
    QTest::newRow("empty entries are not written") << QStringList{"", "/a.mid", ""} << QByteArray("/a.mid\r\n\r\n");
    QTest::newRow("no entries") << QStringList() << QByteArray("\r\n");
    // "♫" has no GBK code: GBK would write "?" and lose the file.
    QTest::newRow("a name beyond GBK makes the list UTF-8")
        << QStringList{"/音乐/♫.mid", "/a.mid"} << QByteArray("\xEF\xBB\xBF") + QString("/音乐/♫.mid\r\n/a.mid\r\n\r\n").toUtf8();
}

void tst_Playlist::bytesOf()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Playlist::bytesOf(entries), bytes);
}

void tst_Playlist::writtenListReadsBack()
{
    TestFolder folder;
    const QStringList entries = {"/音乐/欢乐颂.mid", "/音乐/♫.mid", "#EXTM3U"};
    QCOMPARE(Playlist::write(folder.file("list.m3u"), entries), Playlist::WriteResult::Written);
    QCOMPARE(Playlist::read(folder.file("list.m3u")), std::optional<QStringList>(entries));
}

void tst_Playlist::refusedWhenTheFolderIsLocked()
{
    TestFolder folder;
    folder.write("lists/old.m3u", "/old.mid\r\n");
    LockedFolder locked(folder.file("lists"));
    if (!locked.locked())
        QSKIP("this system cannot lock a folder");
    QString error;
    QCOMPARE(Playlist::write(folder.file("lists/old.m3u"), {"/new.mid"}, &error), Playlist::WriteResult::Refused);
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read("lists/old.m3u"), QByteArray("/old.mid\r\n"));
}

void tst_Playlist::filesToPlay_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("files"); // "<list>" stands for the list's folder

    QTest::newRow("absolute paths as they are") << QStringList{"/x/a.mid", "/y/b.mp3"}
                                                << QStringList{"/x/a.mid", "/y/b.mp3"};
    QTest::newRow("comments left out") << QStringList{"#EXTM3U", "#EXTINF:12,a", "/x/a.mid"}
                                       << QStringList{"/x/a.mid"};
    QTest::newRow("blank entries left out") << QStringList{"  ", "/x/a.mid"} << QStringList{"/x/a.mid"};
    QTest::newRow("relative to the list, any case, either separator")
        << QStringList{"SUB\\Song.WAV", "./钢琴/月光.MID"}
        << QStringList{"<list>/sub/song.wav", "<list>/钢琴/月光.mid"};
    QTest::newRow("missing files stay, to be passed over when played")
        << QStringList{"gone\\x.mid"} << QStringList{"<list>/gone/x.mid"};
}

void tst_Playlist::filesToPlay()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, files);
    TestFolder folder;
    folder.write("sub/song.wav", "RIFF");
    folder.write("钢琴/月光.mid", "MThd");
    files.replaceInStrings("<list>", folder.path());
    QCOMPARE(Playlist::filesToPlay(entries, folder.path()), files);
}

void tst_Playlist::isList_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("list");
    QTest::newRow("m3u") << "/u/temp.m3u" << true;
    QTest::newRow("upper case") << "/u/TEMP.M3U" << true;
    QTest::newRow("m3u8") << "/u/a.m3u8" << true;
    QTest::newRow("music file") << "/u/a.mid" << false;
    QTest::newRow("m3u in a folder name") << "/u/a.m3u/b.mid" << false;
}

void tst_Playlist::isList()
{
    QFETCH(QString, path);
    QFETCH(bool, list);
    QCOMPARE(Playlist::isList(path), list);
}

QTEST_GUILESS_MAIN(tst_Playlist)
#include "tst_playlist.moc"
