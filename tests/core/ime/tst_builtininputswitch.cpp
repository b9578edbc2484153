// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/BuiltInInputSwitch.h"

#include <QtTest>

// When the built-in input method types: the setting, a system input method
// in the environment, and Ctrl+Space.
class tst_BuiltInInputSwitch : public QObject
{
    Q_OBJECT

private slots:
    void onOrOff_data();
    void onOrOff();
    void choosingTheSettingAgainForgetsCtrlSpace();
    void systemInputMethod_data();
    void systemInputMethod();
    void methodOfInputMeans();
};

void tst_BuiltInInputSwitch::onOrOff_data()
{
    QTest::addColumn<BuiltInInputMode>("mode");
    QTest::addColumn<bool>("systemInputMethod");
    QTest::addColumn<int>("toggles");
    QTest::addColumn<bool>("on");

    QTest::newRow("auto without system method") << BuiltInInputMode::Auto << false << 0 << true;
    QTest::newRow("auto leaves fcitx alone") << BuiltInInputMode::Auto << true << 0 << false;
    QTest::newRow("auto with fcitx, Ctrl+Space") << BuiltInInputMode::Auto << true << 1 << true;
    QTest::newRow("on despite fcitx") << BuiltInInputMode::On << true << 0 << true;
    QTest::newRow("on, Ctrl+Space") << BuiltInInputMode::On << false << 1 << false;
    QTest::newRow("on, Ctrl+Space twice") << BuiltInInputMode::On << false << 2 << true;
    QTest::newRow("off") << BuiltInInputMode::Off << false << 0 << false;
    QTest::newRow("off, Ctrl+Space") << BuiltInInputMode::Off << false << 1 << true;
}

void tst_BuiltInInputSwitch::onOrOff()
{
    QFETCH(BuiltInInputMode, mode);
    QFETCH(bool, systemInputMethod);
    QFETCH(int, toggles);
    QFETCH(bool, on);

    BuiltInInputSwitch inputSwitch(mode, systemInputMethod);
    for (int i = 0; i < toggles; ++i)
        inputSwitch.toggle();
    QCOMPARE(inputSwitch.isOn(), on);
}

void tst_BuiltInInputSwitch::choosingTheSettingAgainForgetsCtrlSpace()
{
    BuiltInInputSwitch inputSwitch(BuiltInInputMode::On, false);
    inputSwitch.toggle();
    QVERIFY(!inputSwitch.isOn());
    inputSwitch.setMode(BuiltInInputMode::On);
    QVERIFY(inputSwitch.isOn());
}

void tst_BuiltInInputSwitch::systemInputMethod_data()
{
    QTest::addColumn<QString>("qtImModule");
    QTest::addColumn<QString>("xModifiers");
    QTest::addColumn<bool>("named");

    QTest::newRow("nothing") << "" << "" << false;
    QTest::newRow("fcitx module") << "fcitx" << "" << true;
    QTest::newRow("ibus through X") << "" << "@im=ibus" << true;
    QTest::newRow("fcitx5 through X") << "xim" << "@im=fcitx5" << true;
    QTest::newRow("compose only") << "compose" << "@im=none" << false;
}

void tst_BuiltInInputSwitch::systemInputMethod()
{
    QFETCH(QString, qtImModule);
    QFETCH(QString, xModifiers);
    QFETCH(bool, named);
    QCOMPARE(BuiltInInputSwitch::systemInputMethodNamed(qtImModule, xModifiers), named);
}

void tst_BuiltInInputSwitch::methodOfInputMeans()
{
    QCOMPARE(BuiltInInputSwitch::methodOf(QStringLiteral("五笔")), ImeEngine::Method::Wubi);
    QCOMPARE(BuiltInInputSwitch::methodOf(QStringLiteral("拼音")), ImeEngine::Method::Pinyin);
    QCOMPARE(BuiltInInputSwitch::methodOf(QStringLiteral("郑码")), std::nullopt);
    QCOMPARE(BuiltInInputSwitch::inputName(std::nullopt), QStringLiteral("系统输入法"));
    QCOMPARE(BuiltInInputSwitch::inputName(ImeEngine::Method::Pinyin), QStringLiteral("内置拼音"));
}

QTEST_GUILESS_MAIN(tst_BuiltInInputSwitch)
#include "tst_builtininputswitch.moc"
