// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"
#include "core/skins/SkinFile.h"

#include "TestFolder.h"

#include <QStringEncoder>
#include <QTest>

namespace {

const QString skins = QStringLiteral(QINTARA_TEST_DATA_DIR "/skins/program");

QByteArray gbk(const QString &text)
{
    return QStringEncoder("GBK").encode(text);
}

} // namespace

Q_DECLARE_METATYPE(std::optional<bool>)

class tst_SkinFile : public QObject
{
    Q_OBJECT

private slots:
    void boolean_data();
    void boolean();
    void colour_data();
    void colour();
    void hiDpiName_data();
    void hiDpiName();
    void readsEveryLookKey();
    void refused_data();
    void refused();
    void valuesAsTheIniReaderGivesThem();
};

void tst_SkinFile::boolean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<bool>>("value");

    QTest::newRow("True") << "True" << std::optional<bool>(true);
    QTest::newRow("False") << "False" << std::optional<bool>(false);
    QTest::newRow("words in any case") << "tRUE" << std::optional<bool>(true);
    QTest::newRow("spaces around") << "  false " << std::optional<bool>(false);
    QTest::newRow("zero is false") << "0" << std::optional<bool>(false);
    QTest::newRow("minus one is true") << "-1" << std::optional<bool>(true);
    QTest::newRow("a fraction is true") << "0.4" << std::optional<bool>(true);
    QTest::newRow("empty") << "" << std::optional<bool>();
    QTest::newRow("another word") << "yes" << std::optional<bool>();
    QTest::newRow("word with a tail") << "Truely" << std::optional<bool>();
}

void tst_SkinFile::boolean()
{
    QFETCH(QString, text);
    QFETCH(std::optional<bool>, value);
    QCOMPARE(SkinFile::boolean(text), value);
}

void tst_SkinFile::colour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("red") << "255" << true << QColor(255, 0, 0);
    QTest::newRow("green") << "65280" << true << QColor(0, 255, 0);
    QTest::newRow("blue") << "16711680" << true << QColor(0, 0, 255);
    QTest::newRow("the built-in window colour") << "15923193" << true << QColor(249, 247, 242);
    QTest::newRow("spaces around") << " 0 " << true << QColor(0, 0, 0);
    QTest::newRow("half rounds to even") << "254.5" << true << QColor(254, 0, 0);
    QTest::newRow("other half rounds up") << "255.5" << true << QColor(0, 1, 0);
    QTest::newRow("system colour, signed") << "-2147483633" << true << QColor(0xF0, 0xF0, 0xF0);
    QTest::newRow("system colour, unsigned") << "2147483663" << true << QColor(0xF0, 0xF0, 0xF0);
    QTest::newRow("empty") << "" << false << QColor();
    QTest::newRow("a word") << "blue" << false << QColor();
    QTest::newRow("beyond 32 bits") << "4294967296" << false << QColor();
    QTest::newRow("group separators") << "16,777" << false << QColor();
}

void tst_SkinFile::colour()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(QColor, colour);
    const std::optional<QColor> value = SkinFile::colour(text);
    QCOMPARE(value.has_value(), read);
    if (read)
        QCOMPARE(*value, colour);
}

void tst_SkinFile::hiDpiName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sharp");

    QTest::newRow("extension") << "caption.png" << "caption@2x.png";
    QTest::newRow("no extension") << "caption" << "caption@2x";
    QTest::newRow("subfolder") << "pics\\rim.left.bmp" << "pics\\rim.left@2x.bmp";
    QTest::newRow("dot in the folder only") << "v1.0\\rim" << "v1.0\\rim@2x";
}

void tst_SkinFile::hiDpiName()
{
    QFETCH(QString, name);
    QFETCH(QString, sharp);
    QCOMPARE(SkinFile::hiDpiName(name), sharp);
}

void tst_SkinFile::readsEveryLookKey()
{
    SkinDescription read;
    QVERIFY(ReadSkinFile(SkinFile::descriptionFile(ProgramFolder(skins), QStringLiteral("湖蓝")), read));
    SkinDescription expected;
    expected.Caption_Color = QStringLiteral("65535");
    expected.Caption_Pic = QStringLiteral("caption.png");
    expected.About_PicUp = QStringLiteral("about_up.png");
    expected.About_PicDown = QStringLiteral("about_down.png");
    expected.Little_PicUp = QStringLiteral("little_up.png");
    expected.Little_PicDown = QStringLiteral("little_down.png");
    expected.Close_PicUp = QStringLiteral("close_up.png");
    expected.Close_PicDown = QStringLiteral("close_down.png");
    expected.Rim_PicLeft = QStringLiteral("rim_left.png");
    expected.Rim_PicLeftBottom = QStringLiteral("rim_left_bottom.png");
    expected.Rim_PicBottom = QStringLiteral("rim_bottom.png");
    expected.Rim_PicRightBottom = QStringLiteral("rim_right_bottom.png");
    expected.Rim_PicRight = QStringLiteral("rim_right.png");
    expected.Menu_BackColor = QStringLiteral("1");
    expected.Menu_UpColor = QStringLiteral("2");
    expected.Menu_DownColor = QStringLiteral("3");
    expected.Menu_FrameColor = QStringLiteral("4");
    expected.Menu_FontColor = QStringLiteral("5");
    expected.Window_BackColor = QStringLiteral("3355443");
    expected.TextBoxColor = QStringLiteral("6");
    expected.Lable_FontColor = QStringLiteral("65280");
    expected.Button_BackColor = QStringLiteral("255");
    expected.Button_FontColor = QStringLiteral("16777215");
    expected.Button_FrameColor = QStringLiteral("16711680");
    expected.Button_DownColor = QStringLiteral("8421504");
    expected.Button_XpStyle = true;
    expected.Button_XpWinStyle = false;
    QCOMPARE(read, expected);
}

void tst_SkinFile::refused_data()
{
    QTest::addColumn<QString>("skin");

    QTest::newRow("no Button_XpStyle") << "noxpstyle";
    QTest::newRow("no such skin") << "gone";
}

void tst_SkinFile::refused()
{
    QFETCH(QString, skin);
    SkinDescription before;
    before.Caption_Pic = QStringLiteral("kept.png");
    SkinDescription read = before;
    QVERIFY(!ReadSkinFile(SkinFile::descriptionFile(ProgramFolder(skins), skin), read));
    QCOMPARE(read, before);
}

// Keys and the section match in any case, values lose their outer spaces,
// GBK text comes back as text, the booleans take numbers, and a broken
// colour is still read as the text it is.
void tst_SkinFile::valuesAsTheIniReaderGivesThem()
{
    TestFolder folder;
    folder.write(QStringLiteral("skin.ini"),
                 "[SKIN]\r\ncaption_pic =  " + gbk(QStringLiteral("标题.bmp")) + "  \r\nMENU_UPCOLOR=blue\r\n"
                 "button_xpstyle=0\r\nButton_XpWinStyle= 7 \r\n");
    SkinDescription read;
    QVERIFY(ReadSkinFile(folder.file(QStringLiteral("skin.ini")), read));
    QCOMPARE(read.Caption_Pic, QStringLiteral("标题.bmp"));
    QCOMPARE(read.Menu_UpColor, QStringLiteral("blue"));
    QCOMPARE(read.Rim_PicLeft, QString());
    QCOMPARE(read.Button_XpStyle, false);
    QCOMPARE(read.Button_XpWinStyle, true);

    folder.write(QStringLiteral("skin.ini"), "[skin]\r\nButton_XpStyle=True\r\nButton_XpWinStyle=\r\n");
    QVERIFY(!ReadSkinFile(folder.file(QStringLiteral("skin.ini")), read));
}

QTEST_GUILESS_MAIN(tst_SkinFile)
#include "tst_skinfile.moc"
