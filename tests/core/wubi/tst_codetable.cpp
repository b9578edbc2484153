// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/wubi/CodeTable.h"

#include "core/platform/TextCodec.h"
#include "core/settings/Settings.h"

#include "TestFolder.h"

#include <QDir>
#include <QTest>

namespace {

const QString fixtureRoot = QStringLiteral(QINTARA_TEST_DATA_DIR "/wubi");
// What the out-strings hold before a lookup, so that "left as it was" shows.
const QString before = QStringLiteral("(before)");
// The files of the lists for texts of 1 to 4 characters.
const QStringList listFiles = {"bm.txt", "phrase/二字词组.txt", "phrase/三字词组.txt", "phrase/四字词组.txt"};

QByteArray gbkLines(const QStringList &lines)
{
    return TextCodec::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

} // namespace

class tst_CodeTable : public QObject
{
    Q_OBJECT

private slots:
    void findCode_data();
    void findCode();
    void linesAreKeptExactlyAsRead();
    void loadDoesNothingOnceLoaded();
    void reloadReadsOnlyTheNewFolder();
    void missingPhraseFileEndsTheLoad();
    void missingCharacterFileIsTriedAgain();
    void retryStartsFromEmptyLists();
    void listsHoldMoreThan32766Lines();
};

void tst_CodeTable::findCode_data()
{
    QTest::addColumn<QString>("inputMeans");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("foundText");
    QTest::addColumn<QString>("code");

    const QString wubi = QStringLiteral("五笔");
    const QString odd = QStringLiteral("杂排");

    // Texts that are not looked up.
    QTest::newRow("empty text changes nothing") << wubi << "" << before << before;
    QTest::newRow("ascii first") << wubi << "a中" << "" << before;
    QTest::newRow("ascii last") << wubi << "中a" << "" << before;
    QTest::newRow("ascii only") << wubi << "ab" << "" << before;
    QTest::newRow("last character outside the plane") << wubi << "中\U00020000" << "" << before;
    QTest::newRow("first character not in gbk") << wubi << "\u4DAE中" << "" << before;
    QTest::newRow("euro sign is one byte") << wubi << "\u20AC" << "" << before;
    QTest::newRow("bad bytes") << wubi << "\uFFFD" << "" << before;
    QTest::newRow("five characters change nothing") << wubi << "中华人民共" << before << before;
    QTest::newRow("ideographic space is double-byte, not found") << wubi << "\u3000" << before << before;

    // Lookups in a well-formed table.
    QTest::newRow("character, first of two lines") << wubi << "中" << "中" << "khk";
    QTest::newRow("中国 khlg, first of two lines") << wubi << "中国" << "中国" << "khlg";
    QTest::newRow("three characters") << wubi << "共和国" << "共和国" << "atlg";
    QTest::newRow("not in the list") << wubi << "家" << before << before;
    QTest::newRow("length chooses the list") << wubi << "华人民" << before << before;
    QTest::newRow("character inside an earlier line: that line minus one character")
        << wubi << "欢" << "欢" << "欢fkqw";
    QTest::newRow("phrase starting an earlier, longer line")
        << wubi << "中华人民" << "中华人民" << "共和国kwwl";

    // Lines that do not follow the text-then-code layout.
    QTest::newRow("space between text and code") << odd << "中" << "中" << " khk";
    QTest::newRow("tab between text and code") << odd << "国" << "国" << "\tlgyi";
    QTest::newRow("trailing spaces kept") << odd << "人" << "人" << "w  ";
    QTest::newRow("phrase with a space") << odd << "中国" << "中国" << " khlg";
    QTest::newRow("phrase inside a line") << odd << "人民" << "人民" << "人民yy";
    QTest::newRow("ascii inside the text") << odd << "共a国" << "共a国" << "b";
    QTest::newRow("character outside the plane inside the text")
        << odd << "中\U00020000国" << "中\U00020000国" << "zz";
    QTest::newRow("phrase after leading spaces") << odd << "中华人民" << "中华人民" << "人民 kwwn";

    QTest::newRow("second input method") << QStringLiteral("拼音") << "中" << "中" << "zhong";
}

// FindCode loads the lists of the InputMeans setting on first use.
void tst_CodeTable::findCode()
{
    QFETCH(QString, inputMeans);
    QFETCH(QString, text);

    Settings settings;
    settings.InputMeans = inputMeans;
    CodeTable table(ProgramFolder(fixtureRoot), settings);
    QString foundText = before;
    QString code = before;
    QString error;
    QVERIFY2(table.FindCode(text, foundText, code, &error), qPrintable(error));
    QTEST(foundText, "foundText");
    QTEST(code, "code");
    QVERIFY(table.isLoaded());
}

void tst_CodeTable::linesAreKeptExactlyAsRead()
{
    const Settings settings;
    CodeTable table(ProgramFolder(fixtureRoot), settings);
    QVERIFY(table.LoadCodeTable(QStringLiteral("杂排")));
    QCOMPARE(table.list(1).lines(), QStringList({"中 khk", "国\tlgyi", "", "人w  ", "abc", "\U00020000字x", "民nav"}));
    QCOMPARE(table.list(2).lines(), QStringList({"中国 khlg", "xx人民yy", "中\U00020000国", "\uFFFD 文ab"}));
    QCOMPARE(table.list(4).lines(), QStringList({"  中华人民 kwwn", "中华人民中华人民x"}));
    QVERIFY(table.list(0).lines().isEmpty());
    QVERIFY(table.list(5).lines().isEmpty());
}

void tst_CodeTable::loadDoesNothingOnceLoaded()
{
    const Settings settings;
    CodeTable table(ProgramFolder(fixtureRoot), settings);
    QVERIFY(table.LoadCodeTable(QStringLiteral("五笔")));
    QVERIFY(table.LoadCodeTable(QStringLiteral("拼音")));
    QString foundText, code;
    QVERIFY(table.FindCode(QStringLiteral("中"), foundText, code));
    QCOMPARE(code, QStringLiteral("khk"));
}

void tst_CodeTable::reloadReadsOnlyTheNewFolder()
{
    Settings settings;
    settings.InputMeans = QStringLiteral("五笔");
    CodeTable table(ProgramFolder(fixtureRoot), settings);
    QVERIFY(table.LoadCodeTable(settings.InputMeans));
    settings.InputMeans = QStringLiteral("拼音");
    QVERIFY(table.ReloadCodeTable(settings.InputMeans));

    for (int length = 1; length <= 4; ++length)
        QCOMPARE(table.list(length).lines(), *TextCodec::readLines(fixtureRoot + "/chinese/拼音/" + listFiles.at(length - 1)));
    QString foundText, code;
    QVERIFY(table.FindCode(QStringLiteral("人民"), foundText, code));
    QCOMPARE(foundText, QString());
    QVERIFY(table.FindCode(QStringLiteral("中国"), foundText, code));
    QCOMPARE(code, QStringLiteral("zhongguo"));
}

void tst_CodeTable::missingPhraseFileEndsTheLoad()
{
    const Settings settings;
    CodeTable table(ProgramFolder(fixtureRoot), settings);
    QString error;
    QVERIFY(!table.LoadCodeTable(QStringLiteral("缺三字"), &error));
    QVERIFY2(error.contains(QStringLiteral("三字词组.txt")), qPrintable(error));
    QCOMPARE(table.list(1).lines().size(), 1);
    QCOMPARE(table.list(2).lines().size(), 1);
    QVERIFY(table.list(3).lines().isEmpty());
    QVERIFY(table.list(4).lines().isEmpty());

    // The character list is filled, so lookups do not load again and the
    // phrases after the missing file stay unknown.
    QString foundText, code;
    QVERIFY(table.FindCode(QStringLiteral("中华人民"), foundText, code, &error));
    QCOMPARE(foundText, QString());
    QVERIFY(table.FindCode(QStringLiteral("中国"), foundText, code, &error));
    QCOMPARE(code, QStringLiteral("khlg"));
}

void tst_CodeTable::missingCharacterFileIsTriedAgain()
{
    TestFolder folder;
    folder.copyFixture(QStringLiteral("wubi"));
    QVERIFY(QFile::remove(folder.file(QStringLiteral("chinese/五笔/bm.txt"))));
    Settings settings;
    settings.InputMeans = QStringLiteral("五笔");
    CodeTable table(ProgramFolder(folder.path()), settings);

    QString foundText = before, code = before, error;
    QVERIFY(!table.FindCode(QStringLiteral("中国"), foundText, code, &error));
    QVERIFY2(error.contains(QStringLiteral("bm.txt")), qPrintable(error));
    QCOMPARE(foundText, before);
    QCOMPARE(code, before);
    for (int length = 1; length <= 4; ++length)
        QVERIFY(table.list(length).lines().isEmpty());

    folder.write(QStringLiteral("chinese/五笔/bm.txt"), gbkLines({"中khk"}));
    QVERIFY2(table.FindCode(QStringLiteral("中国"), foundText, code, &error), qPrintable(error));
    QCOMPARE(code, QStringLiteral("khlg"));
}

// A load under an empty character file fills the phrase lists but counts as
// not loaded; the next load must not add the phrases a second time.
void tst_CodeTable::retryStartsFromEmptyLists()
{
    TestFolder folder;
    folder.copyFixture(QStringLiteral("wubi"));
    folder.write(QStringLiteral("chinese/五笔/bm.txt"), QByteArray());
    const Settings settings;
    CodeTable table(ProgramFolder(folder.path()), settings);
    const QString wubi = QStringLiteral("五笔");

    QVERIFY(table.LoadCodeTable(wubi));
    QVERIFY(!table.isLoaded());
    const QStringList phrases = table.list(2).lines();
    QVERIFY(!phrases.isEmpty());

    folder.write(QStringLiteral("chinese/五笔/bm.txt"), gbkLines({"中khk"}));
    QVERIFY(table.LoadCodeTable(wubi));
    QVERIFY(table.isLoaded());
    QCOMPARE(table.list(2).lines(), phrases);
}

void tst_CodeTable::listsHoldMoreThan32766Lines()
{
    // 40,000 different two-character phrases from three full rows of GB2312.
    QStringList characters;
    for (int lead = 0xB0; lead <= 0xB2; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const char gbk[] = {char(lead), char(trail)};
            characters += TextCodec::decode(QByteArrayView(gbk, 2));
        }
    }
    QStringList lines;
    for (int i = 0; i < 40000; ++i)
        lines += characters.at(i / characters.size()) + characters.at(i % characters.size())
                 + QString::number(i);

    TestFolder folder;
    folder.copyFixture(QStringLiteral("wubi"));
    folder.write(QStringLiteral("chinese/五笔/phrase/二字词组.txt"), gbkLines(lines));
    const Settings settings;
    CodeTable table(ProgramFolder(folder.path()), settings);
    QVERIFY(table.LoadCodeTable(QStringLiteral("五笔")));
    QCOMPARE(table.list(2).lines(), lines);
    QVERIFY(!table.list(4).lines().isEmpty());

    for (int number : {32766, 39999}) {
        QString foundText, code;
        QVERIFY(table.FindCode(lines.at(number).left(2), foundText, code));
        QCOMPARE(code, QString::number(number));
    }
}

QTEST_GUILESS_MAIN(tst_CodeTable)
#include "tst_codetable.moc"
