// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/MainMenus.h"

#include <QTest>

class tst_MainMenus : public QObject
{
    Q_OBJECT

private slots:
    void accessKey_data();
    void accessKey();
    void accessKeysAreUniqueWithinEachPanel();
};

void tst_MainMenus::accessKey_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");

    QTest::newRow("title") << "英文练习(&E)" << "E";
    QTest::newRow("entry with dots") << "自选文章(&O)..." << "O";
    QTest::newRow("lower case marker") << "about(&a)" << "A";
    QTest::newRow("no marker") << "最近练习文章" << "";
    QTest::newRow("doubled ampersand is literal") << "A&&B" << "";
    QTest::newRow("marker after a literal ampersand") << "A&&B(&C)" << "C";
    QTest::newRow("trailing ampersand") << "abc&" << "";
}

void tst_MainMenus::accessKey()
{
    QFETCH(QString, caption);
    QFETCH(QString, key);
    const QChar found = MainMenus::accessKey(caption);
    QCOMPARE(found.isNull() ? QString() : QString(found), key);
}

// A letter that chose two entries of one panel would make the second unreachable.
void tst_MainMenus::accessKeysAreUniqueWithinEachPanel()
{
    QSet<QChar> titleKeys;
    for (const MainMenus::Title &title : MainMenus::titles()) {
        const QChar titleKey = MainMenus::accessKey(title.caption);
        QVERIFY2(!titleKey.isNull() && !titleKeys.contains(titleKey), qPrintable(title.caption));
        titleKeys.insert(titleKey);

        QSet<QChar> entryKeys;
        for (const QString &entry : title.entries) {
            const QChar key = MainMenus::accessKey(entry);
            if (key.isNull())
                continue;
            QVERIFY2(!entryKeys.contains(key), qPrintable(entry));
            entryKeys.insert(key);
        }
    }
}

QTEST_GUILESS_MAIN(tst_MainMenus)
#include "tst_mainmenus.moc"
