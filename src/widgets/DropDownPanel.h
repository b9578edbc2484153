// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QColor>
#include <QWidget>

// The drop-down panel of one menu: a sheet (white unless set) with a one-pixel frame that
// holds the entry buttons. Moving the pointer over its bare margin (not over
// an entry) is reported, so that the menu can close as the pointer leaves.
class DropDownPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DropDownPanel(QWidget *parent = nullptr);

    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_frameColor; }
    void setSheetColor(const QColor &color);
    QColor sheetColor() const { return m_sheetColor; }

signals:
    void marginHovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QColor m_frameColor{128, 128, 128};
    QColor m_sheetColor{Qt::white};
};
