// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/settings/SkinList.h"

#include "TestFolder.h"

#include <QStringEncoder>
#include <QTest>

class tst_SkinList : public QObject
{
    Q_OBJECT

private slots:
    void onlySkinsThatNameTheirFolderAreListed();
    void noteOfASkin();
};

namespace {

QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

} // namespace

void tst_SkinList::onlySkinsThatNameTheirFolderAreListed()
{
    TestFolder folder;
    folder.write("skins/蓝天/skin.ini", gbk("[skin]\r\nName=蓝天\r\n"));
    folder.write("skins/amber/skin.ini", "[Skin]\r\nname=amber\r\n");
    folder.write("skins/copy/skin.ini", "[skin]\r\nName=amber\r\n");      // names another folder
    folder.write("skins/Case/skin.ini", "[skin]\r\nName=case\r\n");       // not exactly
    folder.write("skins/nameless/skin.ini", "[skin]\r\nauthor=x\r\n");
    folder.makeFolder("skins/empty");
    folder.write("skins/file.ini", "[skin]\r\nName=file.ini\r\n");

    QCOMPARE(SkinList::listedSkins(ProgramFolder(folder.path())), QStringList({"amber", "蓝天"}));
}

void tst_SkinList::noteOfASkin()
{
    TestFolder folder;
    folder.write("skins/amber/skin.ini", gbk("[skin]\r\nName=amber\r\nauthor=李明\r\nexplain=琥珀色\r\n"));
    folder.write("skins/bare/skin.ini", "[skin]\r\nName=bare\r\n");
    const ProgramFolder program(folder.path());

    QCOMPARE(SkinList::note(program, "amber"), QString("制作人：李明\n说  明：琥珀色"));
    QCOMPARE(SkinList::note(program, "bare"), QString("制作人：\n说  明："));
    QVERIFY(SkinList::builtInNote().endsWith(" \n说  明：这是软件的默认皮肤！"));
}

QTEST_GUILESS_MAIN(tst_SkinList)
#include "tst_skinlist.moc"
