// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/KeyInfo.h"

#include <QTest>

class tst_KeyInfo : public QObject
{
    Q_OBJECT

private slots:
    void descriptions_data();
    void descriptions();
    void everyRadicalBelongsToOneKey();
};

void tst_KeyInfo::descriptions_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("description");

    QTest::newRow("g, first of the table") << "g" << QStringLiteral("键名字：王 字根：王五戋一 高频字：一");
    QTest::newRow("x, last of the table") << "x" << QStringLiteral("键名字：纟 字根：纟弓匕幺 高频字：经");
    QTest::newRow("u, key name not its first radical")
        << "u" << QStringLiteral("键名字：产 字根：立六冫门丬辛疒 高频字: 产 ");
    // The texts with an ASCII colon and a space, three with a trailing space.
    QTest::newRow("h, ascii colon") << "h" << QStringLiteral("键名字：目 字根：目上丨虍卜止 高频字: 上 ");
    QTest::newRow("r, ascii colon") << "r" << QStringLiteral("键名字：白 字根：白手扌斤 高频字: 的 ");
    QTest::newRow("b, ascii colon, no trailing space")
        << "b" << QStringLiteral("键名字：子 字根：子耳了阝卩凵 高频字: 了");
    QTest::newRow("z has none") << "z" << QString();
    QTest::newRow("empty key") << "" << QString();
    QTest::newRow("upper-case G") << "G" << QString();
    QTest::newRow("two letters") << "gg" << QString();
    QTest::newRow("letter and space") << "g " << QString();
    QTest::newRow("full-width g") << QStringLiteral("ｇ") << QString();
}

void tst_KeyInfo::descriptions()
{
    QFETCH(QString, key);
    QFETCH(QString, description);

    const QString shown = KeyInfo(key);
    QCOMPARE(shown, description);
    QCOMPARE(shown.isNull(), description.isNull());
}

// The radical drill of the games draws from these 115 radicals and shows the
// text of the one key that carries each: every radical is in exactly one
// key's text.
void tst_KeyInfo::everyRadicalBelongsToOneKey()
{
    const QString radicals = QStringLiteral(
        "王戋五土士十寸雨大犬古石厂木西丁工戈弋廿七目上丨虍卜止日早刂虫曰口川田甲四皿车力山由冂贝几禾竹夂丿"
        "白手扌斤月用彡豕乃人八亻金夕钅儿言广文方讠立六冫门丬辛疒水小氵火米灬之礻冖辶宀已乙己心巳忄尸羽子耳了"
        "阝卩凵女刀巛彐臼九又马巴纟弓匕幺");
    QCOMPARE(radicals.size(), 115);
    for (const QChar radical : radicals) {
        QString keys;
        for (char16_t letter = u'a'; letter <= u'y'; ++letter) {
            if (KeyInfo(QStringView(&letter, 1)).contains(radical))
                keys += QChar(letter);
        }
        QVERIFY2(keys.size() == 1, qPrintable(QString(radical) + QStringLiteral(" on ") + keys));
    }
}

QTEST_GUILESS_MAIN(tst_KeyInfo)
#include "tst_keyinfo.moc"
