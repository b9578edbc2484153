// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/ShellState.h"
#include "core/settings/Settings.h"
#include "gui/practice/PracticePanel.h"
#include "gui/practice/StatisticsBar.h"
#include "widgets/KorvelButton.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using Counter = Exercise::Counter;

class tst_PracticePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ticksReachTheLabels_data();
    void ticksReachTheLabels();
    void startAndPause();
    void cleanupResets();
    void countdownCaption();
    void valueLabelsAreNamedByTheirValue();
    void preliminary_data();
    void preliminary();
    void setTextFocus_data();
    void setTextFocus();

private:
    QString text(const QString &label) const
    {
        return m_panel->findChild<QLabel *>(label)->text();
    }
    // One timeout of Timer2, as the event loop would deliver it after a second.
    void tickTimer2() { QMetaObject::invokeMethod(&m_panel->Timer2(), "timeout"); }

    Settings m_settings;
    ShellState m_shell;
    PracticePanel *m_panel = nullptr;
};

void tst_PracticePanel::init()
{
    m_settings = {};
    m_shell = {};
    m_panel = new PracticePanel(m_settings, m_shell);
    m_panel->resize(589, 419);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel));
}

void tst_PracticePanel::cleanup()
{
    delete m_panel;
    m_panel = nullptr;
}

void tst_PracticePanel::ticksReachTheLabels_data()
{
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("accuracy");

    QTest::newRow("first tick shows the clock before it") << 3 << 3 << 1 << "00:00:00" << "180" << "100%";
    QTest::newRow("second tick") << 3 << 3 << 2 << "00:00:01" << "90" << "100%";
    QTest::newRow("6 typed, 5 right, 9 ticks") << 6 << 5 << 9 << "00:00:08" << "40" << "83.33%";
    QTest::newRow("nothing typed keeps the accuracy") << 0 << 0 << 3 << "00:00:02" << "0" << "0";
}

void tst_PracticePanel::ticksReachTheLabels()
{
    QFETCH(int, typed);
    QFETCH(int, right);
    QFETCH(int, ticks);
    QFETCH(QString, time);
    QFETCH(QString, speed);
    QFETCH(QString, accuracy);

    Exercise &exercise = m_panel->exercise();
    exercise.setCount(Counter::Input, typed);
    exercise.setCount(Counter::Correct, right);
    exercise.setCount(Counter::Wrong, typed - right);
    exercise.startClock();
    QVERIFY(m_panel->Timer2().isActive());
    QCOMPARE(m_panel->Timer2().interval(), 1000);
    for (int tick = 0; tick < ticks; ++tick)
        tickTimer2();

    QCOMPARE(text(QStringLiteral("Lab_time")), time);
    QCOMPARE(text(QStringLiteral("Lab_zimefen")), speed);
    QCOMPARE(text(QStringLiteral("Lab_zhengquilluei")), accuracy);
    QCOMPARE(text(QStringLiteral("Lab_zishu")), QString::number(typed));
    QCOMPARE(text(QStringLiteral("Lab_zhenquizishu")), QString::number(right));
    QCOMPARE(text(QStringLiteral("Lab_chuowuzishu")), QString::number(typed - right));
}

void tst_PracticePanel::startAndPause()
{
    auto *box = new QLineEdit(m_panel->Frame3());
    box->setObjectName(QStringLiteral("Text1"));
    m_panel->Frame3()->show();
    box->show();
    QVERIFY(!m_panel->Timer2().isActive());

    QTest::mouseClick(m_panel->Frame2()->startButton(), Qt::LeftButton);
    QVERIFY(m_panel->Timer2().isActive());
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(m_panel->Frame2()->startButton()->toolTip(), QStringLiteral("开始"));

    QTest::mouseClick(m_panel->Frame2()->pauseButton(), Qt::LeftButton);
    QVERIFY(!m_panel->Timer2().isActive());
    QCOMPARE(m_panel->Frame2()->pauseButton()->toolTip(), QStringLiteral("暂停"));
}

void tst_PracticePanel::cleanupResets()
{
    Exercise &exercise = m_panel->exercise();
    exercise.setCount(Counter::Input, 4);
    exercise.setCount(Counter::Correct, 4);
    exercise.startClock();
    tickTimer2();
    tickTimer2();
    m_panel->Cleanup();
    QVERIFY(!m_panel->Timer2().isActive());
    for (const QString &label : {QStringLiteral("Lab_zishu"), QStringLiteral("Lab_zhenquizishu"),
                                 QStringLiteral("Lab_chuowuzishu"), QStringLiteral("Lab_zhengquilluei"),
                                 QStringLiteral("Lab_zimefen")})
        QCOMPARE(text(label), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("Lab_time")), QStringLiteral("00:00:00"));
    QCOMPARE(text(QStringLiteral("Label5")), QStringLiteral("练习时间："));
}

void tst_PracticePanel::countdownCaption()
{
    m_panel->exercise().setCountdown(0, 1, 0);
    m_panel->Cleanup();
    QCOMPARE(text(QStringLiteral("Label5")), QStringLiteral("练习时间：(剩时)"));
    QCOMPARE(text(QStringLiteral("Lab_time")), QStringLiteral("00:01:00"));
    QCOMPARE(m_panel->findChild<QLabel *>(QStringLiteral("Lab_time"))->accessibleDescription(),
             QStringLiteral("练习时间：(剩时)"));
}

void tst_PracticePanel::valueLabelsAreNamedByTheirValue()
{
    const QList<QPair<QString, QString>> figures = {
        {QStringLiteral("Lab_time"), QStringLiteral("练习时间：")},
        {QStringLiteral("Lab_zishu"), QStringLiteral("输入字数：")},
        {QStringLiteral("Lab_zhenquizishu"), QStringLiteral("正确字数：")},
        {QStringLiteral("Lab_chuowuzishu"), QStringLiteral("错误字数：")},
        {QStringLiteral("Lab_zhengquilluei"), QStringLiteral("正确率：")},
        {QStringLiteral("Lab_zimefen"), QStringLiteral("字/分：")},
    };
    m_panel->exercise().setCount(Counter::Input, 7);
    for (const auto &[name, caption] : figures) {
        auto *label = m_panel->findChild<QLabel *>(name);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(accessible->text(QAccessible::Name), label->text());
        QCOMPARE(accessible->text(QAccessible::Description), caption);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(m_panel->findChild<QLabel *>(QStringLiteral("Lab_zishu")))
                 ->text(QAccessible::Name),
             QStringLiteral("7"));
}

void tst_PracticePanel::preliminary_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("abreast");
    QTest::addColumn<int>("statisticsHeight");

    QTest::newRow("English, normal view") << 0 << "e" << "英文章练习" << false << 253;
    QTest::newRow("Chinese, normal view") << 0 << "c" << "中文章练习" << false << 253;
    QTest::newRow("English, abreast view") << 1 << "e" << "英文章练习" << true << 435;
    QTest::newRow("Chinese, abreast view") << 1 << "c" << "中文章练习" << true << 435;
}

void tst_PracticePanel::preliminary()
{
    QFETCH(int, window);
    QFETCH(QString, language);
    QFETCH(QString, mode);
    QFETCH(bool, abreast);
    QFETCH(int, statisticsHeight);

    // Coming from the other view, as the view switch does.
    m_settings.Window = qint16(1 - window);
    m_panel->preliminary(languageOfCode(language).value());
    m_settings.Window = qint16(window);
    m_panel->preliminary(languageOfCode(language).value());
    QVERIFY(!m_panel->Frame3()->isVisible());
    QVERIFY(m_panel->Frame7()->isVisible());
    QCOMPARE(m_panel->Frame15()->isVisible(), abreast);
    QCOMPARE(m_panel->Frame2()->height(), statisticsHeight);
    QCOMPARE(modeName(m_shell.currentMode), mode);
    // The tall statistics bar lies over the abreast view; the short one
    // lies under the keyboard area, which reaches up beside it.
    const QObjectList stack = m_panel->children();
    QCOMPARE(stack.indexOf(m_panel->Frame2()) > stack.indexOf(m_panel->Frame1()), abreast);
}

void tst_PracticePanel::setTextFocus_data()
{
    QTest::addColumn<QStringList>("boxes");    // created, in the views they belong to
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QString>("focused");      // empty: no box takes it

    QTest::newRow("no boxes yet") << QStringList{} << QStringList{} << QStringList{} << "";
    QTest::newRow("single-key drill") << QStringList{"Text1", "Text2"} << QStringList{"Text2"} << QStringList{}
                                      << "Text1";
    QTest::newRow("the last box that accepts wins")
        << QStringList{"Text1", "Text2", "Text9"} << QStringList{} << QStringList{} << "Text9";
    QTest::newRow("disabled lines refuse")
        << QStringList{"Text9", "TextAbreas_1", "TextAbreas_2", "TextAbreas_3"} << QStringList{"Text9"}
        << QStringList{"TextAbreas_1", "TextAbreas_3"} << "TextAbreas_2";
    QTest::newRow("every box hidden") << QStringList{"Text1", "Text9"} << QStringList{"Text1", "Text9"}
                                      << QStringList{} << "";
}

void tst_PracticePanel::setTextFocus()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, disabled);
    QFETCH(QString, focused);

    m_panel->Frame3()->show();
    for (const QString &name : boxes) {
        auto *box = new QLineEdit(m_panel->Frame3());
        box->setObjectName(name);
        box->setVisible(!hidden.contains(name));
        box->setEnabled(!disabled.contains(name));
    }
    QWidget *result = m_panel->SetTextFocus();
    QCOMPARE(result ? result->objectName() : QString(), focused);
    if (result)
        QCOMPARE(QApplication::focusWidget(), result);
}

QTEST_MAIN(tst_PracticePanel)
#include "tst_practicepanel.moc"
