// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/WeaknessView.h"

#include "core/adaptive/HistoryCsv.h"
#include "gui/results/KeyHeatMap.h"
#include "gui/results/ResultPanel.h"
#include "gui/results/TrendChart.h"
#include "widgets/KorvelButton.h"

#include "FakeKeystrokeHistory.h"
#include "ScriptedFileChooser.h"
#include "ScriptedPrompter.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

constexpr qint64 now = 1'800'000'000'000;
constexpr qint64 day = 24LL * 60 * 60 * 1000;

namespace {

Keystroke key(qint64 timeMs, const QString &target, const QString &typed, ExerciseKind kind = ExerciseKind::Letters)
{
    return Keystroke{timeMs, target, typed, target == typed, 300, kind, QString()};
}

// A week of scripted practice: 了 typed as 子 three times, q as w twice and
// once as e, the rest right.
FakeKeystrokeHistory weekOfPractice()
{
    FakeKeystrokeHistory history;
    history.keys = {key(now - 6 * day, "q", "w"), key(now - 5 * day, "q", "q"), key(now - 4 * day, "q", "e"),
                    key(now - 3 * day, "q", "w"), key(now - 2 * day, "了", "子", ExerciseKind::Characters),
                    key(now - day, "了", "子", ExerciseKind::Characters), key(now - day + 1, "a", "a"),
                    key(now, "了", "子", ExerciseKind::Characters)};
    history.totals = {{QDate(2026, 12, 4), ExerciseKind::Letters, 60, 3, 60000, 0, 0},
                      {QDate(2026, 12, 5), ExerciseKind::Characters, 30, 0, 60000, 30, 90}};
    return history;
}

QStringList rowsOf(const QTreeWidget *tree)
{
    QStringList rows;
    for (int n = 0; n < tree->topLevelItemCount(); ++n) {
        const QTreeWidgetItem *item = tree->topLevelItem(n);
        rows.append(item->text(0) + u' ' + item->text(1) + u' ' + item->text(2));
    }
    return rows;
}

} // namespace

class tst_WeaknessView : public QObject
{
    Q_OBJECT

private slots:
    void showsConfusionsHeatAndTrends();
    void exportCsv_data();
    void exportCsv();
    void withoutHistory();
    void resultPanelShowsItAsThirdView();
};

void tst_WeaknessView::showsConfusionsHeatAndTrends()
{
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    FakeKeystrokeHistory history = weekOfPractice();
    WeaknessView view(QString(), prompter);
    view.setSources(&history, &chooser, [] { return now; });
    view.refresh();

    QCOMPARE(view.confusions()->headerItem()->text(0), "应打");
    QCOMPARE(view.confusions()->headerItem()->text(3), "最近");
    QCOMPARE(rowsOf(view.confusions()), QStringList({"了 子 3", "q w 2", "q e 1"}));
    QVERIFY(!view.confusions()->topLevelItem(0)->text(3).isEmpty());

    QCOMPARE(view.heatMap()->accessibleDescription(), "Q 错误率 75%，平均 300 毫秒；A 错误率 0%，平均 300 毫秒");
    QCOMPARE(view.trends()->accessibleDescription(),
             "2026-12-04：字/分 57.0，击键 1.0，码长 —；2026-12-05：字/分 30.0，击键 1.5，码长 3.0");

    QCOMPARE(view.heatMap()->shading(), KeyHeatMap::Shading::Errors);
    view.shadingChooser()->setCurrentIndex(1);
    QCOMPARE(view.heatMap()->shading(), KeyHeatMap::Shading::Slowness);

    // A second opening reads the history afresh.
    history.keys.clear();
    view.refresh();
    QCOMPARE(view.confusions()->topLevelItemCount(), 0);
    QCOMPARE(view.heatMap()->accessibleDescription(), "暂无按键记录");
}

void tst_WeaknessView::exportCsv_data()
{
    QTest::addColumn<QString>("answer"); // relative to a fresh folder; empty cancels
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("reported");
    QTest::addColumn<bool>("resultsUnreadable"); // Egrade.dat is a folder

    const QStringList everyFile{"历史-chinese-results.csv", "历史-daily.csv", "历史-english-results.csv", "历史.csv"};
    QTest::newRow("every file") << "历史.csv" << everyFile << "" << false;
    QTest::newRow("cancelled") << "" << QStringList{} << "" << false;
    QTest::newRow("folder missing") << "missing/history.csv" << QStringList{} << "无法导出：" << false;
    QTest::newRow("results unreadable") << "历史.csv" << QStringList{} << "无法导出：" << true;
}

void tst_WeaknessView::exportCsv()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, written);
    QFETCH(QString, reported);
    QFETCH(bool, resultsUnreadable);

    QTemporaryDir folder;
    QTemporaryDir userFolder;
    if (resultsUnreadable)
        QVERIFY(QDir(userFolder.path()).mkdir("Egrade.dat"));
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    chooser.answerNext(answer.isEmpty() ? std::nullopt : std::optional(folder.filePath(answer)));
    FakeKeystrokeHistory history = weekOfPractice();
    WeaknessView view(userFolder.path(), prompter);
    view.setSources(&history, &chooser, [] { return now; });
    QVERIFY(view.exportButton()->isEnabled());
    view.exportButton()->click();

    QCOMPARE(chooser.asked().size(), 1);
    QCOMPARE(chooser.asked().front().kind, ScriptedFileChooser::Kind::Save);
    QCOMPARE(chooser.asked().front().nameFilters, QStringList{"CSV 文件 (*.csv)"});
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), written);
    if (!written.isEmpty()) {
        QFile detail(folder.filePath(answer));
        QVERIFY(detail.open(QIODevice::ReadOnly));
        QCOMPARE(detail.readAll(), HistoryCsv::detail(history.keys));
    }
    if (reported.isEmpty())
        QVERIFY(prompter.texts().isEmpty());
    else
        QVERIFY2(prompter.texts().value(0).startsWith(reported), qPrintable(prompter.texts().value(0)));
}

void tst_WeaknessView::withoutHistory()
{
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    WeaknessView view(QString(), prompter);
    view.setSources(nullptr, &chooser, [] { return now; });
    view.refresh();
    QVERIFY(!view.exportButton()->isEnabled());
    view.exportCsv();
    QVERIFY(chooser.asked().isEmpty());
    QCOMPARE(view.heatMap()->accessibleDescription(), "暂无按键记录");
    QCOMPARE(view.trends()->accessibleDescription(), "暂无每日记录");
}

void tst_WeaknessView::resultPanelShowsItAsThirdView()
{
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    FakeKeystrokeHistory history = weekOfPractice();
    ResultPanel panel(folder.path(), prompter);
    panel.setWeaknessSources(&history, &chooser, [] { return now; });
    panel.show();

    panel.showWeaknesses();
    QVERIFY(panel.weaknessView()->isVisible());
    QCOMPARE(panel.weaknessView()->geometry(), panel.rect());
    QCOMPARE(panel.weaknessView()->confusions()->topLevelItemCount(), 3);
    panel.showChart();
    QVERIFY(!panel.weaknessView()->isVisible());
    QVERIFY(panel.Frame11()->isVisible());
    panel.showWeaknesses();
    panel.showRecords();
    QVERIFY(!panel.weaknessView()->isVisible());
    QVERIFY(!panel.Frame11()->isVisible());
}

QTEST_MAIN(tst_WeaknessView)
#include "tst_weaknessview.moc"
