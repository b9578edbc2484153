// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/wubi/RadicalAnalysis.h"

#include <QFrame>

#include <array>

class QLabel;
class RadicalGrid;
class RadicalTable;

// Wbzg: a strip under a drill box that analyses the character or phrase to
// type: "分析：" and a red message (the kind of short code, the character
// itself, or the phrase rule), then "字根：" and four pictures of the
// radicals that make its code. Fixed size; it takes no focus. Screen readers
// get the message and the radicals' names as its accessible description.
class RadicalAnalysisStrip : public QFrame
{
    Q_OBJECT

public:
    explicit RadicalAnalysisStrip(QWidget *parent = nullptr);

    // Shows the analysis of text, a character or phrase trimmed by the
    // caller, from the built-in radical table. An empty text clears the
    // pictures and keeps the message.
    void WBZGDemand(const QString &text);

    QString message() const { return m_messageText; }
    // Grid cells in pictures 1 to 4, -1 for an empty picture.
    std::array<int, 4> cells() const { return m_cells; }

    // Where picture n (0 to 3) stands in the strip.
    static QRect pictureRect(int n);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void placeLabels();

    const RadicalTable &m_table;
    const RadicalGrid &m_grid;
    QLabel *m_caption = nullptr;        // "分析："
    QLabel *m_message = nullptr;        // the message, red, sized to its text
    QLabel *m_radicalCaption = nullptr; // "字根："
    QString m_messageText;
    RadicalAnalysis::Cells m_cells{-1, -1, -1, -1};
};
