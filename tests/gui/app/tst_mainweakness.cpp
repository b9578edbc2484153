// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/app/PracticeMode.h"
#include "gui/app/MainWindow.h"
#include "gui/practice/PracticePanel.h"
#include "gui/results/ResultPanel.h"
#include "gui/results/WeaknessView.h"

#include "FakeKeystrokeHistory.h"
#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QDateTime>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include <memory>

// The weak-item entries of the menus reach the drills and the result panel
// with the history the window was given.
class tst_MainWeakness : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resultsMenuShowsTheWeaknesses();
    void menuOpensAWeakDrill_data();
    void menuOpensAWeakDrill();

private:
    bool open();
    MainWindow *window() const { return m_rig->window(); }

    std::unique_ptr<TestFolder> m_userFolder;
    std::unique_ptr<MainWindowRig> m_rig;
    FakeKeystrokeHistory m_history;
};

void tst_MainWeakness::init()
{
    m_userFolder = std::make_unique<TestFolder>();
    m_rig = std::make_unique<MainWindowRig>(QStringLiteral(QINTARA_SHIPPED_DATA_DIR), m_userFolder->path());
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_history = FakeKeystrokeHistory();
    for (int n = 0; n < 5; ++n)
        m_history.keys.append(Keystroke{now - 60000 + n, "了", "子", false, 900, ExerciseKind::Characters, {}});
}

void tst_MainWeakness::cleanup()
{
    delete window();
    m_rig.reset();
    m_userFolder.reset();
}

bool tst_MainWeakness::open()
{
    ShellServices services{m_rig->prompter, m_rig->urls, m_rig->help, m_rig->sound, m_rig->speech,
                           m_rig->effects, m_rig->files};
    services.keystrokeHistory = &m_history;
    return m_rig->openWith(services);
}

void tst_MainWeakness::resultsMenuShowsTheWeaknesses()
{
    QVERIFY(open());
    window()->SmartNetXpButtonm_Click(5, 3);
    QVERIFY(window()->Frame10()->isVisible());
    QVERIFY(window()->Frame10()->weaknessView()->isVisible());
    QCOMPARE(window()->Frame10()->weaknessView()->confusions()->topLevelItem(0)->text(0), "了");

    window()->SmartNetXpButtonm_Click(5, 1);
    QVERIFY(!window()->Frame10()->weaknessView()->isVisible());
}

void tst_MainWeakness::menuOpensAWeakDrill_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("modeName");

    QTest::newRow("薄弱键位练习") << 1 << 6 << "字母练习";
    QTest::newRow("薄弱汉字练习") << 2 << 6 << "单字练习";
    QTest::newRow("薄弱字根练习") << 2 << 7 << "单字练习";
    QTest::newRow("薄弱简码练习") << 2 << 8 << "单字练习";
}

void tst_MainWeakness::menuOpensAWeakDrill()
{
    QFETCH(int, menu);
    QFETCH(int, entry);
    QFETCH(QString, modeName);

    QVERIFY(open());
    window()->SmartNetXpButtonm_Click(menu, entry);
    QCOMPARE(::modeName(window()->shell().currentMode), modeName);
    QVERIFY(window()->Frame9()->isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), "Text1");
    QVERIFY(!window()->findChild<QLabel *>("Label2")->text().isEmpty());
    const QLabel *reason = window()->findChild<QLabel *>("Lab_weakReason");
    QVERIFY(reason->isVisible());
    QVERIFY(!reason->text().isEmpty());
    QCOMPARE(m_history.detailReads, 1);
}

QTEST_MAIN(tst_MainWeakness)
#include "tst_mainweakness.moc"
