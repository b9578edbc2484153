// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QGroupBox>

#include <functional>

class FileChooser;
class KeyHeatMap;
class KeystrokeHistory;
class KorvelButton;
class Prompter;
class QComboBox;
class QTreeWidget;
class TrendChart;

// The third view of the result panel, "弱项分析": what the learner types in
// place of what (应打, 打成, 次数, 最近; most frequent first), the keyboard
// heat map shaded by error rate or by slowness, the daily trends of 字/分,
// 击键 and 码长, and "导出 CSV…", which writes the keystroke history and the
// user's results for a spreadsheet. Everything is read afresh from the history each time the
// view opens.
class WeaknessView : public QGroupBox
{
    Q_OBJECT

public:
    // userFolder: the logged-in user's folder, whose result files the export
    // takes in.
    WeaknessView(const QString &userFolder, Prompter &prompter, QWidget *parent = nullptr);

    // Where the figures come from: the history (none: the view stays empty
    // and cannot export), the save dialog and the clock (ms since the epoch)
    // by which recent results weigh more. They outlive the view.
    void setSources(KeystrokeHistory *history, FileChooser *fileChooser, std::function<qint64()> nowMs);

    // Reads the history and shows its figures.
    void refresh();
    // "导出 CSV…": asks for a file and writes the detail there and the daily
    // totals and both result files beside it (HistoryExport); a result file
    // that cannot be read or a file that cannot be written is reported.
    void exportCsv();

    QTreeWidget *confusions() const { return m_confusions; }
    KeyHeatMap *heatMap() const { return m_heatMap; }
    TrendChart *trends() const { return m_trends; }
    QComboBox *shadingChooser() const { return m_shading; }
    KorvelButton *exportButton() const { return m_export; }

private:
    qint64 detailSince() const;

    QString m_userFolder;
    Prompter &m_prompter;
    KeystrokeHistory *m_history = nullptr;
    FileChooser *m_fileChooser = nullptr;
    std::function<qint64()> m_nowMs;

    QTreeWidget *m_confusions; // 把 X 打成 Y
    KeyHeatMap *m_heatMap;
    QComboBox *m_shading;      // 错误率 or 速度
    TrendChart *m_trends;
    KorvelButton *m_export;    // "导出 CSV…"
};
