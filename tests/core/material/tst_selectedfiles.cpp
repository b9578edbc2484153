// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/material/SelectedFiles.h"

#include <QTest>

class tst_SelectedFiles : public QObject
{
    Q_OBJECT

private slots:
    void GetDlgSelectFileInfo_data();
    void GetDlgSelectFileInfo();
};

void tst_SelectedFiles::GetDlgSelectFileInfo_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("one file") << QStringList { "/home/user/文章/故事.txt" } << 1 << "/home/user/文章/"
                              << QStringList { "故事.txt" };
    QTest::newRow("several files in the order chosen")
        << QStringList { "/music/b.mid", "/music/a.mid", "/music/c d.mid" } << 3 << "/music/"
        << QStringList { "b.mid", "a.mid", "c d.mid" };
    QTest::newRow("file in the root folder") << QStringList { "/a.txt" } << 1 << "/" << QStringList { "a.txt" };
    QTest::newRow("file outside the first file's folder")
        << QStringList { "/music/a.mid", "/other/b.mid" } << 2 << "/music/"
        << QStringList { "a.mid", "../other/b.mid" };
    QTest::newRow("nothing chosen") << QStringList() << 0 << "" << QStringList();
}

void tst_SelectedFiles::GetDlgSelectFileInfo()
{
    QFETCH(QStringList, paths);
    QFETCH(int, count);
    QFETCH(QString, folder);
    QFETCH(QStringList, names);

    const SelectedFiles files = ::GetDlgSelectFileInfo(paths);
    QCOMPARE(files.count, count);
    QCOMPARE(files.folder, folder);
    QCOMPARE(files.names, names);
}

QTEST_GUILESS_MAIN(tst_SelectedFiles)
#include "tst_selectedfiles.moc"
