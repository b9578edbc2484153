// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPoint>
#include <QWidget>

#include <optional>

class CaptionButton;
class QLabel;

// The drawn caption bar of a frameless window: the caption picture `Image1`,
// the title label `Label1` and the three picture buttons `Picture8` (about),
// `Picture7` (minimise) and `Picture6` (close). Pressing the mouse on the
// picture or the title drags the window.
class CaptionBar : public QWidget
{
    Q_OBJECT

public:
    explicit CaptionBar(const QString &title, QWidget *parent = nullptr);

    void setCaptionPicture(const QPixmap &picture);
    void setTitleColor(const QColor &color);

    CaptionButton *closeButton() const { return m_Picture6; }
    CaptionButton *minimiseButton() const { return m_Picture7; }
    CaptionButton *aboutButton() const { return m_Picture8; }

signals:
    // The pointer moved over the caption picture.
    void captionHovered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void startDrag(const QPoint &globalPosition);

    QLabel *m_Image1;        // caption picture
    QLabel *m_Label1;        // title
    CaptionButton *m_Picture6; // close
    CaptionButton *m_Picture7; // minimise
    CaptionButton *m_Picture8; // about
    // Offset of the pointer from the window's corner while dragging by hand,
    // where the window system cannot move the window itself.
    std::optional<QPoint> m_dragOffset;
};
