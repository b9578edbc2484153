// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/adaptive/KeystrokeHistory.h"
#include "gui/app/MainWindow.h"
#include "widgets/InputBox.h"

#include "MainWindowRig.h"
#include "TestFolder.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTest>

// The main window hands the keys judged in its drills and articles to the
// user's keystroke history.
class tst_MainKeystrokes : public QObject
{
    Q_OBJECT

private slots:
    void articleThenDrill();
};

namespace {

struct ListHistory : KeystrokeHistory
{
    void record(const Keystroke &k) override { keys.append(k); }
    QList<Keystroke> detail(qint64) override { return keys; }
    QList<DailyTotals> dailyTotals() override { return {}; }
    QList<Keystroke> keys;
};

} // namespace

// A Chinese article typed with the built-in Wubi input, then the letters
// drill, which starts a new exercise.
void tst_MainKeystrokes::articleThenDrill()
{
    TestFolder userFolder;
    TestFolder files;
    files.write(QStringLiteral("short.txt"), QByteArray("\xc4\xe3\xcd\xac\xc4\xe3\xcd\xac")); // "你同你同" in GBK
    MainWindowRig rig(QStringLiteral(QINTARA_SHIPPED_DATA_DIR), userFolder.path());
    rig.session.settings.BuiltInInput = QStringLiteral("开");
    rig.session.settings.InputMeans = QStringLiteral("五笔");
    ListHistory history;
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    QVERIFY(rig.openWith(
        {rig.prompter, rig.urls, rig.help, rig.sound, rig.speech, rig.effects, rig.files, nullptr, nullptr, &history}));
    MainWindow *main = rig.window();

    rig.files.answerNext(files.file(QStringLiteral("short.txt")));
    main->SmartNetXpButtonm_Click(2, 4);
    auto *box = qobject_cast<InputBox *>(QApplication::focusWidget());
    QVERIFY(box);
    QTest::keyClicks(box, QStringLiteral("wqiy")); // 你, right
    QTest::keyClicks(box, QStringLiteral("wq "));  // 你 for 同, wrong

    main->SmartNetXpButtonm_Click(1, 1);
    const QString letter = main->findChild<QLabel *>(QStringLiteral("Label2"))->text();
    QVERIFY(!letter.isEmpty());
    QTest::keyClicks(QApplication::focusWidget(), letter);

    QCOMPARE(history.keys.size(), 3);
    const Keystroke &first = history.keys[0];
    const Keystroke &second = history.keys[1];
    const Keystroke &third = history.keys[2];
    QCOMPARE(first, (Keystroke{first.timeMs, "你", "你", true, -1, ExerciseKind::ChineseArticle, "wqiy"}));
    QCOMPARE(second, (Keystroke{second.timeMs, "同", "你", false, second.intervalMs, ExerciseKind::ChineseArticle, "wq"}));
    QVERIFY(second.intervalMs >= 0);
    QCOMPARE(third, (Keystroke{third.timeMs, letter, letter, true, -1, ExerciseKind::Letters, ""}));
    QVERIFY(first.timeMs >= before && third.timeMs <= QDateTime::currentMSecsSinceEpoch());
}

QTEST_MAIN(tst_MainKeystrokes)
#include "tst_mainkeystrokes.moc"
