// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QFrame>

class KorvelButton;
class QGridLayout;
class QLabel;
struct ExerciseLabels;

// The statistics bar `Frame2` of the practice panel: the clock and the five
// figures of the exercise, each a value label beside its caption, and the
// group "控制" with the start button `KorvelButton1` and the pause button
// `KorvelButton2`. Its lower part holds the hints of the abreast view,
// `Label21` (the word) and `Label22` (its code or meaning), with the option
// boxes of that view; they show only while the bar stands beside it.
class StatisticsBar : public QFrame
{
    Q_OBJECT

public:
    explicit StatisticsBar(QWidget *parent = nullptr);

    // Shows the texts of the exercise; each value label keeps its caption as
    // its accessible description.
    void showLabels(const ExerciseLabels &labels);

    // Which input serves the Chinese box in use ("内置五笔", "系统输入法") and
    // the built-in input's keystroke figures "击键/码长"; an empty name hides
    // both lines, empty figures hide the second.
    void showInput(const QString &name, const QString &figures);

    // The hints of the abreast view; hidden beside the drills and the normal view.
    void setAbreastHintsShown(bool shown);
    // Puts the abreast view's option boxes under its hints.
    void placeAbreastOptions(QWidget *first, QWidget *second);
    QLabel *Label21() const { return m_Label21; }
    QLabel *Label22() const { return m_Label22; }

    KorvelButton *startButton() const { return m_KorvelButton1; }
    KorvelButton *pauseButton() const { return m_KorvelButton2; }

signals:
    void startClicked();
    void pauseClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *captionLabel(const QString &name, const QString &caption);
    QLabel *hintLabel(const QString &name, int pixelSize, const QString &description);
    QLabel *addFigure(QGridLayout *figures, const QString &valueName, QLabel *caption, const QString &initial);

    QLabel *m_Label5;            // caption of the clock, "练习时间：" or "练习时间：(剩时)"
    QLabel *m_Lab_time;          // exercise clock
    QLabel *m_Lab_zishu;         // input count
    QLabel *m_Lab_zhenquizishu;  // correct count
    QLabel *m_Lab_chuowuzishu;   // wrong count
    QLabel *m_Lab_zhengquilluei; // accuracy
    QLabel *m_Lab_zimefen;       // speed
    QGridLayout *m_figures;
    QLabel *m_inputCaption;      // "输入法："
    QLabel *m_Lab_shurufa;       // the input serving the box
    QLabel *m_keystrokeCaption;  // "击键/码长："
    QLabel *m_Lab_jijian;        // keystrokes a second / keystrokes a character
    KorvelButton *m_KorvelButton1; // start
    KorvelButton *m_KorvelButton2; // pause
    QWidget *m_abreastHints;     // holds Label21, Label22 and the abreast view's option boxes
    QLabel *m_Label21;           // abreast view: the word hinted
    QLabel *m_Label22;           // abreast view: its code or meaning
};
