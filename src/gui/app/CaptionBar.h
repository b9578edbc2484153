// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/app/WindowDrag.h"

#include <QWidget>

class CaptionButton;
class QLabel;
struct WindowPictures;

// The drawn caption bar of a frameless window: the caption picture `Image1`,
// the title label `Label1` and the three picture buttons `Picture8` (about),
// `Picture7` (minimise) and `Picture6` (close), each showing its released
// picture and its pressed one while the pointer is on it. Pressing the mouse
// on the picture or the title drags the window.
class CaptionBar : public QWidget
{
    Q_OBJECT

public:
    // The bar keeps the height of the caption picture it starts with.
    CaptionBar(const QString &title, const WindowPictures &pictures, QWidget *parent = nullptr);

    // The caption picture and the buttons' pictures of a look.
    void setPictures(const WindowPictures &pictures);
    void setTitleColor(const QColor &color);
    QColor titleColor() const;
    QPixmap captionPicture() const;

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
    void placeParts();

    QLabel *m_Image1;        // caption picture
    QLabel *m_Label1;        // title
    CaptionButton *m_Picture6; // close
    CaptionButton *m_Picture7; // minimise
    CaptionButton *m_Picture8; // about
    WindowDrag m_drag;
};
