// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/settings/SettingsPath.h"

#include <QDir>
#include <QTest>

using Storage = SettingsPath::Storage;

class tst_SettingsPath : public QObject
{
    Q_OBJECT

private slots:
    void storage_data();
    void storage();
    void refusalSaysWhy();
};

namespace {

// 20 Chinese characters, 40 bytes of GBK.
const QString longName = QStringLiteral("青檀打字练习软件第四版安装程序文件夹目录");
// A program folder of 4 + 3 * 41 = 127 bytes.
const QString deepRoot = "/opt/" + longName + '/' + longName + '/' + longName;

} // namespace

void tst_SettingsPath::storage_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("path");
    QTest::addColumn<Storage>("storage");
    QTest::addColumn<QString>("fileText");

    QTest::newRow("empty") << "/opt/q" << "" << Storage::Whole << "";
    QTest::newRow("short path inside") << "/opt/q" << "/opt/q/Music/a.mid" << Storage::Whole
                                       << "/opt/q/Music/a.mid";
    QTest::newRow("short path outside") << "/opt/q" << "/home/王/a.mid" << Storage::Whole << "/home/王/a.mid";
    QTest::newRow("long path inside") << deepRoot << deepRoot + "/Music/钢琴/月光.mid" << Storage::Relative
                                      << "\\Music\\钢琴\\月光.mid";
    QTest::newRow("long path inside, not yet clean")
        << deepRoot << deepRoot + "//Music/./a.mid" << Storage::Relative << "\\Music\\a.mid";
    QTest::newRow("long path outside") << deepRoot << "/home" + deepRoot + "/a.mid" << Storage::TooLong
                                       << "/home" + deepRoot + "/a.mid";
    QTest::newRow("a sibling whose name begins alike")
        << deepRoot << deepRoot + "x/Music/a.mid" << Storage::TooLong << deepRoot + "x/Music/a.mid";
    QTest::newRow("the program folder itself") << deepRoot << deepRoot + '/' << Storage::TooLong
                                               << deepRoot + '/';
    QTest::newRow("relative form still too long")
        << "/opt/q" << "/opt/q/" + longName + '/' + longName + '/' + longName + "/a.mid" << Storage::TooLong
        << "/opt/q/" + longName + '/' + longName + '/' + longName + "/a.mid";
    QTest::newRow("backslash in a name below a deep folder")
        << deepRoot << deepRoot + "/a\\b.mid" << Storage::TooLong << deepRoot + "/a\\b.mid";
    QTest::newRow("character outside GBK") << "/opt/q" << "/home/한/a.mid" << Storage::Unstorable
                                           << "/home/한/a.mid";
    QTest::newRow("character outside GBK, inside a deep folder")
        << deepRoot << deepRoot + "/Music/한.mid" << Storage::Unstorable << deepRoot + "/Music/한.mid";
    QTest::newRow("blank at the end") << "/opt/q" << "/home/a.mid " << Storage::Unstorable << "/home/a.mid ";
}

void tst_SettingsPath::storage()
{
    QFETCH(QString, root);
    QFETCH(QString, path);
    QFETCH(Storage, storage);
    QFETCH(QString, fileText);
    const ProgramFolder folder(root);
    QCOMPARE(SettingsPath::storageOf(path, folder), storage);
    QCOMPARE(SettingsPath::toFileText(path, folder), fileText);
    const bool refused = storage == Storage::TooLong || storage == Storage::Unstorable;
    QCOMPARE(SettingsPath::refusal(path, folder).isEmpty(), !refused);
    if (storage == Storage::Relative)
        QCOMPARE(SettingsPath::fromFileText(fileText, folder), QDir::cleanPath(path));
    else
        QCOMPARE(SettingsPath::fromFileText(fileText, folder), fileText);
}

void tst_SettingsPath::refusalSaysWhy()
{
    const ProgramFolder folder(QStringLiteral("/opt/q"));
    const QString tooLong = "/home/" + longName + '/' + longName + '/' + longName + "/a.mid";
    QCOMPARE(SettingsPath::refusal(tooLong, folder),
             "文件的路径太长，设置中保存不下（最多 127 字节）：\n" + tooLong
                 + "\n请把文件移到路径较短的文件夹中再选。");
    QCOMPARE(SettingsPath::refusal(QStringLiteral("/home/한.mid"), folder),
             QStringLiteral("文件的路径中有设置文件保存不下的字符：\n/home/한.mid\n"
                            "请把文件改名或移到别的文件夹中再选。"));
}

QTEST_GUILESS_MAIN(tst_SettingsPath)
#include "tst_settingspath.moc"
