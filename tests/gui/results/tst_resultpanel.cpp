// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/ResultPanel.h"

#include "gui/results/ResultTableView.h"
#include "widgets/KorvelButton.h"
#include "widgets/ResultChartView.h"

#include "ScriptedPrompter.h"
#include "TestFolder.h"

#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

const QString English = QStringLiteral("user/anna/Egrade.dat");
const QString Chinese = QStringLiteral("user/anna/Cgrade.dat");

QByteArray fixture(const QString &name)
{
    return readFixture(QStringLiteral("results/") + name);
}

QStringList rowTexts(const QTreeWidget *table, int row)
{
    QStringList texts;
    const QTreeWidgetItem *item = table->topLevelItem(row);
    for (int column = 0; column < table->columnCount(); ++column)
        texts.append(item->text(column));
    return texts;
}

QStringList column(const QTreeWidget *table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->topLevelItemCount(); ++row)
        texts.append(table->topLevelItem(row)->text(column));
    return texts;
}

QList<int> shownSpeeds(const ResultPanel &panel)
{
    QList<int> speeds;
    for (const GradeRecord &record : panel.chartView()->records())
        speeds.append(record.AverageSpeed);
    return speeds;
}

} // namespace

class tst_ResultPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void recordTables();
    void missingFilesAreCreatedEmpty();
    void tablesAreReadAfresh();
    void headerClickSorts_data();
    void headerClickSorts();
    void chartOfTwentyRecords();
    void chartOfFewRecords_data();
    void chartOfFewRecords();
    void chartFrameLiesOverTheTables();
    void unreadableFileIsReported();

private:
    void openPanel();
    void clickHeader(ResultTableView *table, int column) const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<QWidget> m_window;
    ResultPanel *m_panel = nullptr;
};

void tst_ResultPanel::init()
{
    m_window.reset();
    m_panel = nullptr;
    m_folder = std::make_unique<TestFolder>();
    m_folder->makeFolder("user/anna");
    m_prompter = std::make_unique<ScriptedPrompter>();
}

void tst_ResultPanel::openPanel()
{
    // In the main window's place for its panels: 589 pixels wide and a
    // little lower than the chart frame's 429.
    m_window = std::make_unique<QWidget>();
    m_panel = new ResultPanel(m_folder->file("user/anna"), *m_prompter, m_window.get());
    m_panel->setGeometry(0, 0, 589, 419);
    m_window->resize(589, 419);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_ResultPanel::clickHeader(ResultTableView *table, int column) const
{
    QHeaderView *header = table->header();
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

void tst_ResultPanel::recordTables()
{
    m_folder->write(English, fixture("windows-egrade.dat"));
    m_folder->write(Chinese, fixture("cgrade-20.dat"));
    openPanel();
    QCOMPARE(m_panel->objectName(), QStringLiteral("Frame10"));
    QCOMPARE(m_panel->sizeHint(), QSize(589, 429));
    m_panel->showRecords();

    QVERIFY(!m_panel->Frame11()->isVisible());
    QCOMPARE(m_panel->findChild<QLabel *>("Label1")->text(), QStringLiteral("英文练习成绩："));
    QCOMPARE(m_panel->findChild<QLabel *>("Label2")->text(), QStringLiteral("中文练习成绩："));
    ResultTableView *english = m_panel->ListView1();
    const QStringList headers {"ID", "日　　期", "练习时间", "输入字数",
                               "平均字数", "正确字数", "错误字数", "正确率"};
    for (int c = 0; c < 8; ++c)
        QCOMPARE(english->headerItem()->text(c), headers.at(c));
    QVERIFY(!english->isSortingEnabled());

    QCOMPARE(english->topLevelItemCount(), 3);
    QCOMPARE(rowTexts(english, 0),
             (QStringList {"1", "25-06-03", "00:05:23", "240", "44", "236", "4", "98.33%"}));
    // Texts as stored, trailing spaces included; numbers at their 16-bit limits.
    QCOMPARE(rowTexts(english, 1),
             (QStringList {"2", "25-06-04", "00:10:00", "300", "30", "300", "0", "100%  "}));
    QCOMPARE(rowTexts(english, 2),
             (QStringList {"3", "99-12-31", "01:02:03", "32767", "999", "32000", "-3", "97.65%"}));

    ResultTableView *chinese = m_panel->ListView2();
    QCOMPARE(chinese->topLevelItemCount(), 20);
    QCOMPARE(rowTexts(chinese, 19),
             (QStringList {"20", "25-06-20", "00:01:00", "48", "48", "48", "0", "100%  "}));
    QVERIFY(m_prompter->asked().isEmpty());
}

void tst_ResultPanel::missingFilesAreCreatedEmpty()
{
    openPanel();
    m_panel->showRecords();
    QCOMPARE(m_panel->ListView1()->topLevelItemCount(), 0);
    QCOMPARE(m_panel->ListView2()->topLevelItemCount(), 0);
    for (const QString &file : {English, Chinese}) {
        QVERIFY(QFile::exists(m_folder->file(file)));
        QCOMPARE(m_folder->read(file), QByteArray());
    }
    QVERIFY(m_prompter->asked().isEmpty());
}

// Every opening reads the files again, in record order, whatever the last
// header click sorted.
void tst_ResultPanel::tablesAreReadAfresh()
{
    m_folder->write(English, fixture("windows-egrade.dat"));
    openPanel();
    m_panel->showRecords();
    clickHeader(m_panel->ListView1(), 4);
    QCOMPARE(column(m_panel->ListView1(), 0), (QStringList {"2", "1", "3"}));

    m_folder->write(English, fixture("appended-to-windows.dat"));
    m_panel->showRecords();
    QCOMPARE(column(m_panel->ListView1(), 0), (QStringList {"1", "2", "3", "4"}));
    QCOMPARE(rowTexts(m_panel->ListView1(), 3).at(1), QStringLiteral("25-06-05"));
    QVERIFY(!m_panel->ListView1()->header()->isSortIndicatorShown());

    // The sort state lives on: the same header again now sorts descending.
    clickHeader(m_panel->ListView1(), 4);
    QCOMPARE(column(m_panel->ListView1(), 4), (QStringList {"999", "44", "43", "30"}));
}

void tst_ResultPanel::headerClickSorts_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<Qt::SortOrder>("order");

    // Speeds 44, 30, 999; wrong counts 4, 0, -3; accuracies 98.33%, 100%, 97.65%;
    // dates 25-06-03, 25-06-04, 99-12-31 (1999).
    QTest::newRow("speed ascending") << QList<int> {4} << QStringList {"2", "1", "3"} << Qt::AscendingOrder;
    QTest::newRow("speed again: descending") << QList<int> {4, 4} << QStringList {"3", "1", "2"}
                                             << Qt::DescendingOrder;
    QTest::newRow("another column: ascending") << QList<int> {4, 4, 6} << QStringList {"3", "2", "1"}
                                               << Qt::AscendingOrder;
    QTest::newRow("accuracy descending: 100% first, 98.33% and 97.65% equal")
        << QList<int> {7, 7} << QStringList {"2", "1", "3"} << Qt::DescendingOrder;
    QTest::newRow("date ascending: 1999 first") << QList<int> {1} << QStringList {"3", "1", "2"}
                                               << Qt::AscendingOrder;
}

void tst_ResultPanel::headerClickSorts()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, ids);
    QFETCH(Qt::SortOrder, order);

    m_folder->write(English, fixture("windows-egrade.dat"));
    m_folder->write(Chinese, fixture("cgrade-20.dat"));
    openPanel();
    m_panel->showRecords();
    for (int column : clicks)
        clickHeader(m_panel->ListView1(), column);

    QCOMPARE(column(m_panel->ListView1(), 0), ids);
    // Whole rows move together.
    QCOMPARE(rowTexts(m_panel->ListView1(), ids.indexOf("3")).at(3), QStringLiteral("32767"));
    QHeaderView *header = m_panel->ListView1()->header();
    QVERIFY(header->isSortIndicatorShown());
    QCOMPARE(header->sortIndicatorSection(), clicks.last());
    QCOMPARE(header->sortIndicatorOrder(), order);
    // The other table keeps its order and its own sort state.
    QCOMPARE(column(m_panel->ListView2(), 0).first(), QStringLiteral("1"));
    QCOMPARE(m_panel->ListView2()->table().sortColumn(), 0);
}

void tst_ResultPanel::chartOfTwentyRecords()
{
    m_folder->write(English, fixture("windows-egrade.dat"));
    m_folder->write(Chinese, fixture("cgrade-20.dat"));
    openPanel();
    auto *englishButton = m_panel->findChild<KorvelButton *>("KorvelButton1");
    auto *chineseButton = m_panel->findChild<KorvelButton *>("KorvelButton2");
    QCOMPARE(englishButton->text(), QStringLiteral(" 英文成绩分析"));
    QCOMPARE(chineseButton->text(), QStringLiteral(" 中文成绩分析"));
    QVERIFY(!chineseButton->isEnabled());

    // The analysis entry starts with the English chart.
    m_panel->showChart();
    QVERIFY(m_panel->Frame11()->isVisible());
    QCOMPARE(m_panel->Frame11()->title(), QStringLiteral("成绩分析图"));
    QCOMPARE(shownSpeeds(*m_panel), (QList<int> {44, 30, 999}));
    QVERIFY(!englishButton->isEnabled());
    QVERIFY(chineseButton->isEnabled());
    QCOMPARE(m_panel->HScroll1()->maximum(), 0);

    QTest::mouseClick(chineseButton, Qt::LeftButton);
    QVERIFY(englishButton->isEnabled());
    QVERIFY(!chineseButton->isEnabled());
    QScrollBar *scroll = m_panel->HScroll1();
    QCOMPARE(scroll->minimum(), 0);
    QCOMPARE(scroll->maximum(), 13);
    QCOMPARE(scroll->value(), 13);
    // Records 14 to 20.
    QCOMPARE(shownSpeeds(*m_panel), (QList<int> {250, 0, 60, 70, 80, 90, 48}));
    const QString description = m_panel->chartView()->accessibleDescription();
    QVERIFY2(description.startsWith(QStringLiteral("6月14日 星期六 速度 250 字/分；")), qPrintable(description));
    QVERIFY2(description.endsWith(QStringLiteral("6月20日 星期五 速度 48 字/分")), qPrintable(description));
    QCOMPARE(scroll->accessibleDescription(), QStringLiteral("第 14 至 20 条，共 20 条"));

    scroll->setValue(0);
    QCOMPARE(shownSpeeds(*m_panel), (QList<int> {5, 20, 26, 48, 51, 100, 101}));
    QCOMPARE(m_panel->chart().scrollPosition(), 0);
    // Arrows and page clicks both move by one record.
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(shownSpeeds(*m_panel).first(), 20);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(shownSpeeds(*m_panel).first(), 26);
    QCOMPARE(m_panel->chartView()->records().first().Date, QStringLiteral("25-06-03"));

    // Back to English: its file, its range.
    QTest::mouseClick(englishButton, Qt::LeftButton);
    QCOMPARE(scroll->maximum(), 0);
    QCOMPARE(shownSpeeds(*m_panel), (QList<int> {44, 30, 999}));
    QVERIFY(m_prompter->asked().isEmpty());
}

void tst_ResultPanel::chartOfFewRecords_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<QList<int>>("speeds");
    QTest::addColumn<QString>("description");

    const QByteArray twenty = fixture("cgrade-20.dat");
    QTest::newRow("exactly seven") << twenty.left(7 * 30) << QList<int> {5, 20, 26, 48, 51, 100, 101}
                                   << QStringLiteral("6月1日 星期日 速度 5 字/分；");
    QTest::newRow("one") << twenty.left(30) << QList<int> {5}
                         << QStringLiteral("6月1日 星期日 速度 5 字/分");
    QTest::newRow("empty file") << QByteArray("") << QList<int> {} << QStringLiteral("无记录");
    QTest::newRow("no file") << QByteArray() << QList<int> {} << QStringLiteral("无记录");
}

void tst_ResultPanel::chartOfFewRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, speeds);
    QFETCH(QString, description);

    if (!bytes.isNull())
        m_folder->write(Chinese, bytes);
    openPanel();
    m_panel->showChart();
    m_panel->drawChart(Language::Chinese);

    QCOMPARE(m_panel->HScroll1()->maximum(), 0);
    QCOMPARE(shownSpeeds(*m_panel), speeds);
    QVERIFY2(m_panel->chartView()->accessibleDescription().startsWith(description),
             qPrintable(m_panel->chartView()->accessibleDescription()));
    const QList<ChartLayout::Bar> bars = m_panel->chartView()->chartLayout().bars();
    for (qsizetype j = speeds.size(); j < bars.size(); ++j)
        QCOMPARE(bars.at(j).date.text, QStringLiteral("无记录"));
    QVERIFY(QFile::exists(m_folder->file(Chinese)));
}

// The chart frame covers the tables; the record view takes it away again.
void tst_ResultPanel::chartFrameLiesOverTheTables()
{
    openPanel();
    const QPoint inTable = m_panel->ListView2()->geometry().center();

    m_panel->showChart();
    QCOMPARE(m_panel->Frame11()->geometry(), m_panel->rect());
    QWidget *atPoint = m_panel->childAt(inTable);
    QVERIFY(atPoint);
    QVERIFY(m_panel->Frame11()->isAncestorOf(atPoint));
    // The scroll bar sits in the chart's strip under the date labels, inside the frame.
    const QRect scroll = m_panel->HScroll1()->geometry();
    QVERIFY(m_panel->Frame11()->rect().contains(scroll));
    QVERIFY(scroll.top() > m_panel->chartView()->chartLayout().bars().first().date.rect.bottom());

    m_panel->showRecords();
    QVERIFY(!m_panel->Frame11()->isVisible());
    QVERIFY(m_panel->ListView2()->isAncestorOf(m_panel->childAt(inTable))
            || m_panel->childAt(inTable) == m_panel->ListView2());
}

// A folder where a result file should be cannot be read: the user is told,
// and the view shows nothing of it.
void tst_ResultPanel::unreadableFileIsReported()
{
    m_folder->makeFolder(English);
    m_folder->write(Chinese, fixture("cgrade-20.dat"));
    openPanel();
    m_panel->showRecords();

    QCOMPARE(m_prompter->asked().size(), 1);
    QVERIFY2(m_prompter->asked().first().text.startsWith(QStringLiteral("成绩文件无法读取：")),
             qPrintable(m_prompter->asked().first().text));
    QCOMPARE(m_prompter->asked().first().icon, Prompter::Icon::Error);
    QCOMPARE(m_panel->ListView1()->topLevelItemCount(), 0);
    QCOMPARE(m_panel->ListView2()->topLevelItemCount(), 20);

    m_panel->showChart();
    QCOMPARE(m_prompter->asked().size(), 2);
    QCOMPARE(m_panel->chartView()->accessibleDescription(), QStringLiteral("无记录"));
}

QTEST_MAIN(tst_ResultPanel)
#include "tst_resultpanel.moc"
