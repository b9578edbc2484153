// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/material/Language.h"
#include "core/results/ResultChart.h"

#include <QFrame>
#include <QString>

#include <functional>

class FileChooser;
class KeystrokeHistory;
class KorvelButton;
class ResultFile;
class Prompter;
class QGroupBox;
class QLabel;
class QScrollBar;
class ResultChartView;
class ResultTableView;
class WeaknessView;

// The result panel `Frame10` of the main window, the place of the results
// menu. The record view lists the user's English results above and the
// Chinese ones below, each table sortable by a click on a column header. The
// analysis view, the chart frame `Frame11` laid over the tables, draws the
// average speeds of seven results of one language as bars, with a scroll bar
// through older results and a button for each language. Everything is read
// afresh from the result files in the user folder each time a view opens;
// the panel never writes them, except that a missing file is created empty.
class ResultPanel : public QFrame
{
    Q_OBJECT

public:
    // userFolder: the logged-in user's folder, without a trailing separator.
    // Files that cannot be read are reported through the prompter.
    ResultPanel(const QString &userFolder, Prompter &prompter, QWidget *parent = nullptr);

    // "成绩记录(&A)": hides the chart frame, then empties both tables and
    // fills them from "\Egrade.dat" and "\Cgrade.dat".
    void showRecords();
    // "成绩分析(&P)": shows the chart frame in front of the tables and draws
    // the English chart, as the button " 英文成绩分析" does.
    void showChart();
    // "弱项分析(&W)": shows the weakness view in front of the tables and the
    // chart, read afresh from the keystroke history.
    void showWeaknesses();
    // The sources of the weakness view (see WeaknessView::setSources).
    void setWeaknessSources(KeystrokeHistory *history, FileChooser *fileChooser, std::function<qint64()> nowMs);

    // The buttons " 英文成绩分析" and " 中文成绩分析": the newest seven records
    // of that language's file, the scroll bar at its end; this language's
    // button is disabled and the other one enabled.
    void drawChart(Language language);

    // The state of the chart shown: language, record count, scroll position.
    const ResultChart &chart() const { return m_chart; }

    QGroupBox *Frame11() const { return m_Frame11; }
    ResultTableView *ListView1() const { return m_ListView1; }
    ResultTableView *ListView2() const { return m_ListView2; }
    ResultChartView *chartView() const { return m_chartView; }
    QScrollBar *HScroll1() const { return m_HScroll1; }
    WeaknessView *weaknessView() const { return m_weaknessView; }

    // The practice panel's place: 8835 x 6435 twips.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildChartFrame();
    void placeChartControls();
    // The language's result file, created empty when it is missing.
    ResultFile openResultFile(Language language) const;
    void fillTable(ResultTableView *table, Language language);
    void HScroll1_Change(int value);
    void showChartRecords();
    void showButtons();
    void reportUnreadable(const QString &error);

    QString m_userFolder;
    Prompter &m_prompter;
    ResultChart m_chart;

    QLabel *m_Label1;              // "英文练习成绩："
    ResultTableView *m_ListView1;  // English results
    QLabel *m_Label2;              // "中文练习成绩："
    ResultTableView *m_ListView2;  // Chinese results
    QGroupBox *m_Frame11;          // chart frame "成绩分析图"
    ResultChartView *m_chartView;  // the bars, axis and labels
    QScrollBar *m_HScroll1;        // through older records
    KorvelButton *m_KorvelButton1; // " 英文成绩分析"
    KorvelButton *m_KorvelButton2; // " 中文成绩分析"
    WeaknessView *m_weaknessView;  // confusions, heat map and trends
};
