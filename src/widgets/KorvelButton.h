// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// The program's own picture push button: a caption ("&" marks the access
// key) and an optional picture beside it, drawn flat, raised or in the "XP"
// look, with hover and pressed looks. It clicks on a mouse release inside it
// (never for the right button) and on the first key-down of Enter or Space;
// holding Space keeps the pressed look. Pictures are handed in, never read.
// Colours left invalid follow the system palette.
class KorvelButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class PicturePosition { Above = 0, Left = 1, Right = 2, Below = 3 };

    explicit KorvelButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }
    // Shown instead of the picture while the pointer is over the button.
    void setPictureHover(const QPixmap &picture);
    QPixmap pictureHover() const { return m_pictureHover; }
    void setPicturePosition(PicturePosition position);
    // The drawn picture size in device-independent pixels (32 by 32 at first).
    void setPictureSize(const QSize &size);
    QSize pictureSize() const { return m_pictureSize; }

    void setBackColor(const QColor &color);
    QColor backColor() const;
    void setForeColor(const QColor &color);
    QColor foreColor() const;

    // The XP look: a face that changes colour while hovered and pressed; with
    // the window style a rounded face with a vertical gradient, which in the
    // toolbar look stays plain while idle.
    void setXPStyle(bool on);
    bool xpStyle() const { return m_xpStyle; }
    void setXPWinStyle(bool on);
    bool xpWinStyle() const { return m_xpWinStyle; }
    void setToolBar(bool on);
    void setXPColorHover(const QColor &color);
    void setXPColorPressed(const QColor &color);
    // True: hover and pressed colours derive from the system highlight colour.
    void setXPDefaultColors(bool on);
    void setOuterBorderColor(const QColor &color);
    void setXPShowBorderAlways(bool on);

    void setRaised(bool on);
    void setNoBorderEffect(bool on);
    void setShowFocusRect(bool on);

    // The pointer is over the button.
    bool isHovered() const { return m_over; }
    // The face currently shown (the hover picture while hovered, if any).
    QPixmap shownPicture() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void mouseIn();
    void mouseOut();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Layout
    {
        QRect picture;
        QRect caption;
    };

    Layout layout(bool pressed) const;
    QSize captionSize(int width) const;
    QColor hoverColor() const;
    QColor pressedColor() const;
    void paintFace(QPainter &painter, bool pressed, bool hot) const;
    void paintBorder(QPainter &painter, bool pressed, bool hot) const;
    void paintContent(QPainter &painter, bool pressed) const;
    void changeLook();

    QPixmap m_picture;
    QPixmap m_pictureHover;
    PicturePosition m_picturePosition = PicturePosition::Left;
    QSize m_pictureSize{32, 32};
    QColor m_backColor;
    QColor m_foreColor;
    QColor m_xpColorHover;
    QColor m_xpColorPressed;
    QColor m_outerBorderColor;
    bool m_xpStyle = false;
    bool m_xpWinStyle = true;
    bool m_toolBar = true;
    bool m_xpDefaultColors = true;
    bool m_xpShowBorderAlways = false;
    bool m_raised = false;
    bool m_noBorderEffect = false;
    bool m_showFocusRect = true;

    bool m_over = false;        // pointer inside
    bool m_mouseHeld = false;   // a mouse button other than the right one is down
    bool m_keyHeld = false;     // a key went down and has not come up
};
