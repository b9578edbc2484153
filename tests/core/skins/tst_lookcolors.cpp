// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/skins/LookColors.h"
#include "core/skins/SkinDescription.h"

#include <QTest>

namespace {

// A description whose every colour reads; each colour its own number.
SkinDescription readable()
{
    SkinDescription skin;
    skin.Caption_Color = QStringLiteral("65535");
    skin.Menu_BackColor = QStringLiteral("1");
    skin.Menu_UpColor = QStringLiteral("2");
    skin.Menu_DownColor = QStringLiteral("3");
    skin.Menu_FrameColor = QStringLiteral("4");
    skin.Menu_FontColor = QStringLiteral("5");
    skin.Window_BackColor = QStringLiteral("3355443");
    skin.TextBoxColor = QStringLiteral("6");
    skin.Lable_FontColor = QStringLiteral("65280");
    skin.Button_BackColor = QStringLiteral("255");
    skin.Button_FontColor = QStringLiteral("16777215");
    skin.Button_FrameColor = QStringLiteral("16711680");
    skin.Button_DownColor = QStringLiteral("8421504");
    skin.Button_XpStyle = true;
    skin.Button_XpWinStyle = false;
    return skin;
}

} // namespace

class tst_LookColors : public QObject
{
    Q_OBJECT

private slots:
    void builtInLook();
    void skinColours();
    void mainWindowColourNotANumber_data();
    void mainWindowColourNotANumber();
    void buttonColourNotANumber_data();
    void buttonColourNotANumber();
};

void tst_LookColors::builtInLook()
{
    const LookColors colors = LookColors::builtIn();
    QCOMPARE(colors.window, QColor(249, 247, 242));
    QCOMPARE(colors.caption, QColor(Qt::white));
    QCOMPARE(colors.menuBack, QColor(Qt::white));
    for (const QColor &highlight : {colors.menuUp, colors.menuDown, colors.menuFrame})
        QCOMPARE(highlight, QColor(5, 121, 250));
    QCOMPARE(colors.menuFont, QColor(Qt::black));
    QCOMPARE(colors.shapeBorder, QColor(127, 157, 185));
    QCOMPARE(colors.labelText, QColor(Qt::black));
    // Without a skin the dialogs' buttons keep their own colours in the XP look.
    QVERIFY(!colors.buttonBack.isValid());
    QVERIFY(!colors.buttonHover.isValid());
    QVERIFY(colors.buttonXpStyle);
}

void tst_LookColors::skinColours()
{
    const std::optional<LookColors> colors = LookColors::fromSkin(readable());
    QVERIFY(colors);
    QCOMPARE(colors->caption, QColor(255, 255, 0));
    QCOMPARE(colors->menuBack, QColor(1, 0, 0));
    QCOMPARE(colors->menuUp, QColor(2, 0, 0));
    QCOMPARE(colors->menuDown, QColor(3, 0, 0));
    QCOMPARE(colors->menuFrame, QColor(4, 0, 0));
    QCOMPARE(colors->menuFont, QColor(5, 0, 0));
    QCOMPARE(colors->window, QColor(51, 51, 51));
    QCOMPARE(colors->shapeBorder, QColor(6, 0, 0));
    QCOMPARE(colors->labelText, QColor(0, 255, 0));
    QCOMPARE(colors->buttonBack, QColor(255, 0, 0));
    QCOMPARE(colors->buttonFont, QColor(255, 255, 255));
    QCOMPARE(colors->buttonHover, QColor(0, 0, 255));
    QCOMPARE(colors->buttonPressed, QColor(128, 128, 128));
    QCOMPARE(colors->buttonXpStyle, true);
    QCOMPARE(colors->buttonXpWinStyle, false);
}

void tst_LookColors::mainWindowColourNotANumber_data()
{
    QTest::addColumn<int>("key");
    const char *names[] = {"Caption_Color", "Menu_BackColor", "Menu_UpColor", "Menu_DownColor", "Menu_FrameColor",
                           "Menu_FontColor", "Window_BackColor", "TextBoxColor", "Lable_FontColor"};
    for (int key = 0; key < 9; ++key)
        QTest::newRow(names[key]) << key;
}

void tst_LookColors::mainWindowColourNotANumber()
{
    QFETCH(int, key);
    SkinDescription skin = readable();
    QString *keys[] = {&skin.Caption_Color, &skin.Menu_BackColor, &skin.Menu_UpColor, &skin.Menu_DownColor,
                       &skin.Menu_FrameColor, &skin.Menu_FontColor, &skin.Window_BackColor, &skin.TextBoxColor,
                       &skin.Lable_FontColor};
    *keys[key] = QStringLiteral("blue");
    QVERIFY(!LookColors::fromSkin(skin));
    *keys[key] = QString();
    QVERIFY(!LookColors::fromSkin(skin));
}

void tst_LookColors::buttonColourNotANumber_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Button_BackColor") << 0;
    QTest::newRow("Button_FontColor") << 1;
    QTest::newRow("Button_FrameColor") << 2;
    QTest::newRow("Button_DownColor") << 3;
}

// The main window never reads the button colours: the skin still applies,
// and only that colour of the buttons stays their own.
void tst_LookColors::buttonColourNotANumber()
{
    QFETCH(int, key);
    SkinDescription skin = readable();
    QString *keys[] = {&skin.Button_BackColor, &skin.Button_FontColor, &skin.Button_FrameColor,
                       &skin.Button_DownColor};
    *keys[key] = QStringLiteral("orange");
    const std::optional<LookColors> colors = LookColors::fromSkin(skin);
    QVERIFY(colors);
    const QColor read[] = {colors->buttonBack, colors->buttonFont, colors->buttonHover, colors->buttonPressed};
    for (int other = 0; other < 4; ++other)
        QCOMPARE(read[other].isValid(), other != key);
    QCOMPARE(colors->window, QColor(51, 51, 51));
}

QTEST_GUILESS_MAIN(tst_LookColors)
#include "tst_lookcolors.moc"
