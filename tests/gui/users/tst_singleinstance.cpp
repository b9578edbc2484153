// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/SingleInstance.h"

#include "TestFolder.h"

#include <QTest>

#include <memory>

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyOnTheSameFolderIsRefused();
    void otherFoldersRunSideBySide();
};

void tst_SingleInstance::secondCopyOnTheSameFolderIsRefused()
{
    TestFolder folder;
    auto first = std::make_unique<SingleInstance>(folder.path());
    QVERIFY(first->claim());
    QVERIFY(first->claim()); // asking again changes nothing

    SingleInstance second(folder.path() + "/");
    QVERIFY(!second.claim());

    // Once the first copy has ended, the folder is free again.
    first.reset();
    SingleInstance third(folder.path());
    QVERIFY(third.claim());
}

void tst_SingleInstance::otherFoldersRunSideBySide()
{
    TestFolder one;
    TestFolder two;
    SingleInstance first(one.path());
    SingleInstance second(two.path());
    QVERIFY(first.claim());
    QVERIFY(second.claim());
}

QTEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
