// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/InstanceName.h"

#include "TestFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

class tst_InstanceName : public QObject
{
    Q_OBJECT

private slots:
    void oneNamePerFolder();
    void nameIsShortAndPlain();
};

void tst_InstanceName::oneNamePerFolder()
{
    TestFolder folder;
    folder.makeFolder("a/program");
    folder.makeFolder("b/program");
    QVERIFY(QFile::link(folder.file("a/program"), folder.file("link")));

    const QString name = InstanceName(folder.file("a/program"));
    QCOMPARE(InstanceName(folder.file("a/program") + "/"), name);
    QCOMPARE(InstanceName(folder.file("a/../a/program")), name);
    QCOMPARE(InstanceName(folder.file("link")), name);
    QVERIFY(InstanceName(folder.file("b/program")) != name);
}

void tst_InstanceName::nameIsShortAndPlain()
{
    const QString name = InstanceName(QStringLiteral("/opt/程序 文件夹/Qintara"));
    QVERIFY2(QRegularExpression("^qintara-[0-9a-f]{24}$").match(name).hasMatch(), qPrintable(name));
}

QTEST_GUILESS_MAIN(tst_InstanceName)
#include "tst_instancename.moc"
