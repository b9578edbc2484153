// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/results/WeaknessView.h"

#include "core/adaptive/ConfusionTable.h"
#include "core/adaptive/DailyTrend.h"
#include "core/adaptive/HistoryExport.h"
#include "core/adaptive/KeyHeat.h"
#include "core/adaptive/KeystrokeHistory.h"
#include "core/adaptive/WeaknessModel.h"
#include "core/platform/FileChooser.h"
#include "core/platform/Prompter.h"
#include "core/results/ResultFile.h"
#include "gui/results/KeyHeatMap.h"
#include "gui/results/TrendChart.h"
#include "gui/users/AccountWindowParts.h"
#include "widgets/KorvelButton.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The detail the view reads: the weakness of three months ago has faded
// to almost nothing with a one-week half-life.
constexpr qint64 detailDays = 90;
constexpr qint64 msPerDay = 24LL * 60 * 60 * 1000;

} // namespace

WeaknessView::WeaknessView(const QString &userFolder, Prompter &prompter, QWidget *parent)
    : QGroupBox(QStringLiteral("弱项分析"), parent)
    , m_userFolder(userFolder)
    , m_prompter(prompter)
    , m_confusions(new QTreeWidget(this))
    , m_heatMap(new KeyHeatMap(this))
    , m_shading(new QComboBox(this))
    , m_trends(new TrendChart(this))
    , m_export(makeDialogButton(QStringLiteral("exportCsv"), QStringLiteral("导出 CSV…")))
{
    setObjectName(QStringLiteral("weaknessView"));
    setAccessibleName(title());
    setAutoFillBackground(true);

    m_confusions->setObjectName(QStringLiteral("confusions"));
    m_confusions->setAccessibleName(QStringLiteral("常见错误"));
    m_confusions->setHeaderLabels({QStringLiteral("应打"), QStringLiteral("打成"), QStringLiteral("次数"),
                                   QStringLiteral("最近")});
    m_confusions->setRootIsDecorated(false);
    m_confusions->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_shading->setObjectName(QStringLiteral("heatShading"));
    m_shading->addItems({QStringLiteral("错误率"), QStringLiteral("速度")});
    auto *shadingLabel = new QLabel(QStringLiteral("热图显示："), this);
    shadingLabel->setBuddy(m_shading);
    connect(m_shading, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_heatMap->setShading(index == 1 ? KeyHeatMap::Shading::Slowness : KeyHeatMap::Shading::Errors);
    });

    m_export->setParent(this);
    connect(m_export, &KorvelButton::clicked, this, &WeaknessView::exportCsv);

    auto *top = new QHBoxLayout;
    top->addWidget(m_confusions, 2);
    top->addWidget(m_heatMap, 3);
    auto *foot = new QHBoxLayout;
    foot->addWidget(shadingLabel);
    foot->addWidget(m_shading);
    foot->addStretch();
    foot->addWidget(m_export);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 8);
    column->addLayout(top, 3);
    column->addWidget(m_trends, 2);
    column->addLayout(foot);
    m_export->setEnabled(false);
}

void WeaknessView::setSources(KeystrokeHistory *history, FileChooser *fileChooser, std::function<qint64()> nowMs)
{
    m_history = history;
    m_fileChooser = fileChooser;
    m_nowMs = std::move(nowMs);
    m_export->setEnabled(m_history && m_fileChooser);
}

qint64 WeaknessView::detailSince() const
{
    return (m_nowMs ? m_nowMs() : 0) - detailDays * msPerDay;
}

void WeaknessView::refresh()
{
    const QList<Keystroke> detail = m_history ? m_history->detail(detailSince()) : QList<Keystroke>();
    const QList<DailyTotals> totals = m_history ? m_history->dailyTotals() : QList<DailyTotals>();

    m_confusions->clear();
    const ConfusionTable confusions = ConfusionTable::of(detail);
    for (const ConfusionTable::Row &row : confusions.rows()) {
        auto *item = new QTreeWidgetItem(m_confusions);
        item->setText(0, row.target);
        item->setText(1, row.typed);
        item->setText(2, QString::number(row.count));
        item->setText(3, QDateTime::fromMSecsSinceEpoch(row.lastMs).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    const qint64 now = m_nowMs ? m_nowMs() : 0;
    m_heatMap->setHeat(KeyHeat::of(WeaknessModel::build(detail, now)));
    m_trends->setTrend(DailyTrend::of(totals));
}

void WeaknessView::exportCsv()
{
    if (!m_history || !m_fileChooser)
        return;
    const std::optional<QString> path =
        m_fileChooser->saveFile(QStringLiteral("导出 CSV"), {QStringLiteral("CSV 文件 (*.csv)")});
    if (!path)
        return;
    QString error;
    const auto resultsOf = [this, &error](Language language) {
        return ResultFile::of(m_userFolder, language).readAll(&error);
    };
    const std::optional<QList<GradeRecord>> english = resultsOf(Language::English);
    const std::optional<QList<GradeRecord>> chinese = english ? resultsOf(Language::Chinese) : std::nullopt;
    if (!english || !chinese
        || !HistoryExport::write(*path, m_history->detail(0), m_history->dailyTotals(), {*english, *chinese},
                                 &error))
        m_prompter.inform(QStringLiteral("无法导出：") + error, QStringLiteral("提示"), Prompter::Icon::Error);
}
