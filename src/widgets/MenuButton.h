// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QAbstractButton>
#include <QColor>

// A flat menu-bar button in the "XP" menu look: a title of the menu bar or an
// entry of a drop-down panel. Idle it shows its caption on the caption
// background; hovered or pressed, a face tinted with the hover or pressed
// colour inside an edge. The caption's "&" access key is drawn underlined but
// not registered as a shortcut: the menu bar routes keys itself.
class MenuButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit MenuButton(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }

    void setBackColor(const QColor &color);         // face under a hover or press tint
    void setBackColorPop(const QColor &color);      // hover tint
    void setBackColorPush(const QColor &color);     // pressed tint
    void setEdgeColor(const QColor &color);         // edge while hovered or pressed
    void setForeColor(const QColor &color);         // caption
    void setCaptionBackColor(const QColor &color);  // background while idle
    void setTextAlignment(Qt::Alignment alignment);

    // Keeps the pressed look while the menu it opens is shown.
    void setOpen(bool open);
    bool isOpen() const { return m_open; }

    bool isHovered() const { return m_over; }

    QSize sizeHint() const override;

signals:
    // Every mouse press, with its button (the right one included).
    void mousePressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    QColor m_backColor{Qt::white};
    QColor m_backColorPop{5, 121, 250};
    QColor m_backColorPush{5, 121, 250};
    QColor m_edgeColor{5, 121, 250};
    QColor m_foreColor{Qt::black};
    QColor m_captionBackColor{249, 247, 242};
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_open = false;
    bool m_over = false;
};
