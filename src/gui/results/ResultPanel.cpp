// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/ResultPanel.h"

#include "core/platform/Prompter.h"
#include "core/platform/Twips.h"
#include "core/results/ChartLayout.h"
#include "core/results/ResultFile.h"
#include "core/results/ResultTable.h"
#include "gui/results/ResultTableView.h"
#include "gui/results/WeaknessView.h"
#include "gui/users/AccountWindowParts.h"
#include "widgets/KorvelButton.h"
#include "widgets/ResultChartView.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString noticeTitle = QStringLiteral("提示");
const QPoint firstButton(10, 22); // below the frame's title, left of the axis labels
constexpr int buttonGap = 8;

} // namespace

ResultPanel::ResultPanel(const QString &userFolder, Prompter &prompter, QWidget *parent)
    : QFrame(parent)
    , m_userFolder(userFolder)
    , m_prompter(prompter)
    , m_Label1(new QLabel(ResultTable::caption(Language::English), this))
    , m_ListView1(new ResultTableView(QStringLiteral("ListView1"), Language::English, this))
    , m_Label2(new QLabel(ResultTable::caption(Language::Chinese), this))
    , m_ListView2(new ResultTableView(QStringLiteral("ListView2"), Language::Chinese, this))
    , m_Frame11(new QGroupBox(QStringLiteral("成绩分析图"), this))
    , m_weaknessView(new WeaknessView(userFolder, prompter, this))
{
    setObjectName(QStringLiteral("Frame10"));
    setAccessibleName(QStringLiteral("成绩"));
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label1->setBuddy(m_ListView1);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    m_Label2->setBuddy(m_ListView2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(m_Label1);
    layout->addWidget(m_ListView1, 1);
    layout->addSpacing(6);
    layout->addWidget(m_Label2);
    layout->addWidget(m_ListView2, 1);

    buildChartFrame();
    m_weaknessView->hide();
    resize(sizeHint());
}

void ResultPanel::buildChartFrame()
{
    m_Frame11->setObjectName(QStringLiteral("Frame11"));
    m_Frame11->setAccessibleName(m_Frame11->title());
    // The frame's own ground, so that the tables do not show through it.
    m_Frame11->setAutoFillBackground(true);

    m_chartView = new ResultChartView(m_Frame11);
    m_chartView->setObjectName(QStringLiteral("chart"));

    m_HScroll1 = new QScrollBar(Qt::Horizontal, m_Frame11);
    m_HScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_HScroll1->setAccessibleName(QStringLiteral("较早的成绩"));
    // Arrows and page clicks both move by one record.
    m_HScroll1->setSingleStep(1);
    m_HScroll1->setPageStep(1);
    m_HScroll1->setRange(0, 0);
    connect(m_HScroll1, &QScrollBar::valueChanged, this, &ResultPanel::HScroll1_Change);

    m_KorvelButton1 = makeDialogButton(QStringLiteral("KorvelButton1"), QStringLiteral(" 英文成绩分析"));
    m_KorvelButton2 = makeDialogButton(QStringLiteral("KorvelButton2"), QStringLiteral(" 中文成绩分析"));
    m_KorvelButton1->setParent(m_Frame11);
    m_KorvelButton2->setParent(m_Frame11);
    connect(m_KorvelButton1, &KorvelButton::clicked, this, [this] { drawChart(Language::English); });
    connect(m_KorvelButton2, &KorvelButton::clicked, this, [this] { drawChart(Language::Chinese); });
    showButtons();

    m_Frame11->hide();
}

QSize ResultPanel::sizeHint() const
{
    return {Twips::toPixels(ChartLayout::FrameTwips.width()),
            Twips::toPixels(ChartLayout::FrameTwips.height())};
}

void ResultPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeChartControls();
}

void ResultPanel::placeChartControls()
{
    m_Frame11->setGeometry(rect());
    m_weaknessView->setGeometry(rect());
    m_chartView->setGeometry(m_Frame11->rect());
    m_HScroll1->setGeometry(m_chartView->chartLayout().scrollBar().toRect());
    const QSize first = m_KorvelButton1->sizeHint().expandedTo(m_KorvelButton1->minimumSize());
    const QSize second = m_KorvelButton2->sizeHint().expandedTo(m_KorvelButton2->minimumSize());
    m_KorvelButton1->setGeometry(QRect(firstButton, first));
    m_KorvelButton2->setGeometry(
        QRect(QPoint(firstButton.x() + first.width() + buttonGap, firstButton.y()), second));
}

void ResultPanel::showRecords()
{
    m_Frame11->hide();
    m_weaknessView->hide();
    fillTable(m_ListView1, Language::English);
    fillTable(m_ListView2, Language::Chinese);
}

void ResultPanel::showChart()
{
    m_weaknessView->hide();
    m_Frame11->show();
    m_Frame11->raise();
    drawChart(Language::English);
}

void ResultPanel::showWeaknesses()
{
    m_weaknessView->refresh();
    m_weaknessView->show();
    m_weaknessView->raise();
}

void ResultPanel::setWeaknessSources(KeystrokeHistory *history, FileChooser *fileChooser,
                                     std::function<qint64()> nowMs)
{
    m_weaknessView->setSources(history, fileChooser, std::move(nowMs));
}

void ResultPanel::fillTable(ResultTableView *table, Language language)
{
    const ResultFile file = openResultFile(language);
    QString error;
    const std::optional<QList<GradeRecord>> records = file.readAll(&error);
    if (!records)
        reportUnreadable(error);
    table->setRows(ResultTable::rows(records.value_or(QList<GradeRecord>())));
}

ResultFile ResultPanel::openResultFile(Language language) const
{
    const ResultFile file = ResultFile::of(m_userFolder, language);
    // A file that cannot be made is either missing, which reads as empty, or
    // there but unusable, which the read after this reports.
    file.create();
    return file;
}

void ResultPanel::drawChart(Language language)
{
    const ResultFile file = openResultFile(language);
    QString error;
    const std::optional<qint64> count = file.count(&error);
    if (!count)
        reportUnreadable(error);
    m_chart.show(language, count.value_or(0));

    {
        // The new range and position are drawn once, below.
        const QSignalBlocker quiet(m_HScroll1);
        m_HScroll1->setRange(0, int(m_chart.scrollMaximum()));
        m_HScroll1->setValue(int(m_chart.scrollPosition()));
    }
    showChartRecords();
    showButtons();
}

void ResultPanel::HScroll1_Change(int value)
{
    if (!m_chart.language())
        return;
    m_chart.setScrollPosition(value);
    showChartRecords();
}

void ResultPanel::showChartRecords()
{
    QList<GradeRecord> records;
    if (m_chart.language() && m_chart.shownCount() > 0) {
        QString error;
        const ResultFile file = ResultFile::of(m_userFolder, *m_chart.language());
        if (const auto read = file.read(m_chart.firstShown(), m_chart.shownCount(), &error))
            records = *read;
        else
            reportUnreadable(error);
    }
    m_chartView->setRecords(records);

    const qint64 first = m_chart.firstShown();
    m_HScroll1->setAccessibleDescription(
        m_chart.shownCount() == 0
            ? QStringLiteral("无记录")
            : QStringLiteral("第 %1 至 %2 条，共 %3 条")
                  .arg(first)
                  .arg(first + m_chart.shownCount() - 1)
                  .arg(m_chart.recordCount()));
}

void ResultPanel::showButtons()
{
    m_KorvelButton1->setEnabled(m_chart.isButtonEnabled(Language::English));
    m_KorvelButton2->setEnabled(m_chart.isButtonEnabled(Language::Chinese));
}

void ResultPanel::reportUnreadable(const QString &error)
{
    m_prompter.inform(QStringLiteral("成绩文件无法读取：") + error, noticeTitle, Prompter::Icon::Error);
}
