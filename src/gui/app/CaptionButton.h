// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture button of the drawn caption bar (about, minimise, close): its
// normal picture, and its hover picture while the pointer is inside or the
// button is held.
class CaptionButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CaptionButton(QWidget *parent = nullptr);

    void setPictures(const QPixmap &normal, const QPixmap &hover);
    QPixmap normalPicture() const { return m_normal; }
    QPixmap hoverPicture() const { return m_hover; }
    // The picture on show.
    QPixmap shownPicture() const { return m_hovered || isDown() ? m_hover : m_normal; }
    // Back to the normal picture, as after a dialog or a minimise took the pointer away.
    void showNormalPicture();

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_hover;
    bool m_hovered = false;
};
