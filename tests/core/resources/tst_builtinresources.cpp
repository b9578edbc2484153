// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/TextCodec.h"
#include "core/wubi/WubiResources.h"

#include <QFile>
#include <QImage>
#include <QTest>

// The resources built into the core library reach every program that reads
// them through WubiResources.
class tst_BuiltinResources : public QObject
{
    Q_OBJECT

private slots:
    void radicalTableEndsInItsTerminator();
    void radicalGridHasItsSizes();
};

void tst_BuiltinResources::radicalTableEndsInItsTerminator()
{
    QFile table(WubiResources::path(u"radicals.txt"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    const QByteArray bytes = table.readAll();
    QVERIFY(bytes.endsWith('\0'));
    QCOMPARE(bytes.count('\0'), 1);
    const QString text = TextCodec::decode(bytes.chopped(1));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QVERIFY(text.contains(QStringLiteral("匿a3a2d8k0")));
    QVERIFY(text.endsWith(QStringLiteral("民n同m")));
}

void tst_BuiltinResources::radicalGridHasItsSizes()
{
    QCOMPARE(QImage(WubiResources::path(u"radical-grid.png")).size(), QSize(180, 450));
    QCOMPARE(QImage(WubiResources::path(u"radical-grid@4x.png")).size(), QSize(720, 1800));
}

QTEST_GUILESS_MAIN(tst_BuiltinResources)
#include "tst_builtinresources.moc"
