// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/ArticleViewButtons.h"

#include <QTest>

using View = ArticleViewButtons::View;

class tst_ArticleViewButtons : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void press_data();
    void press();
};

void tst_ArticleViewButtons::startUp_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("normalEnabled");
    QTest::addColumn<bool>("abreastEnabled");

    QTest::newRow("normal view disables button 6") << 0 << false << true;
    QTest::newRow("abreast view disables button 7") << 1 << true << false;
    QTest::newRow("any other value counts as abreast") << 5 << true << false;
}

void tst_ArticleViewButtons::startUp()
{
    QFETCH(int, window);
    QFETCH(bool, normalEnabled);
    QFETCH(bool, abreastEnabled);
    const auto buttons = ArticleViewButtons::forWindowSetting(qint16(window));
    QCOMPARE(buttons.normalEnabled(), normalEnabled);
    QCOMPARE(buttons.abreastEnabled(), abreastEnabled);
}

void tst_ArticleViewButtons::press_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<View>("pressed");
    QTest::addColumn<bool>("switches");
    QTest::addColumn<bool>("normalEnabled");
    QTest::addColumn<bool>("abreastEnabled");

    QTest::newRow("after start-up nothing runs") << 1 << "" << View::Normal << false << true << false;
    QTest::newRow("in a drill nothing changes") << 0 << "字母练习" << View::Abreast << false << false << true;
    QTest::newRow("in a game nothing changes") << 1 << "青蛙" << View::Normal << false << true << false;
    QTest::newRow("English article to normal view")
        << 1 << "英文章练习" << View::Normal << true << false << true;
    QTest::newRow("Chinese article to abreast view")
        << 0 << "中文章练习" << View::Abreast << true << true << false;
}

void tst_ArticleViewButtons::press()
{
    QFETCH(int, window);
    QFETCH(QString, mode);
    QFETCH(View, pressed);
    QFETCH(bool, switches);
    QFETCH(bool, normalEnabled);
    QFETCH(bool, abreastEnabled);

    auto buttons = ArticleViewButtons::forWindowSetting(qint16(window));
    QCOMPARE(buttons.press(pressed, practiceModeNamed(mode).value_or(PracticeMode::None)), switches);
    QCOMPARE(buttons.normalEnabled(), normalEnabled);
    QCOMPARE(buttons.abreastEnabled(), abreastEnabled);
}

QTEST_GUILESS_MAIN(tst_ArticleViewButtons)
#include "tst_articleviewbuttons.moc"
