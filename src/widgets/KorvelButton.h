// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/app/ButtonLayout.h"

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

class ButtonSounds;
class UrlOpener;

// `KorvelButton`, the program's own push button: a caption ("&" marks the
// access key) and an optional picture beside it, drawn flat, raised,
// bevelled or in one of the two "XP" looks, with hover and pressed looks.
// It clicks on a mouse release inside it (never for the right button), on
// the first key-down of Enter or Space and on its access key; holding Space
// keeps the pressed look. It plays SoundOver when the pointer comes in and
// SoundClick on a mouse click, and opens its URL after a mouse, Enter or
// Space click. Pictures, sounds and the link are handed in, never read.
// Colours left invalid follow the system palette.
class KorvelButton : public QAbstractButton
{
    Q_OBJECT

public:
    using PicturePosition = ButtonLayout::PicturePosition;

    explicit KorvelButton(QWidget *parent = nullptr);

    // Picture: the original size is taken from it (OriginalPicSizeW/H).
    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }
    // PictureHover: shown instead of the picture while the pointer is over the button.
    void setPictureHover(const QPixmap &picture);
    QPixmap pictureHover() const { return m_pictureHover; }
    void setPicturePosition(PicturePosition position);
    // PictureSize: sets the drawn size to 16 by 16 (0), 32 by 32 (1) or the
    // picture's own size (2, which a new picture then follows); other values
    // keep the dimensions as set.
    void setPictureSize(int pictureSize);
    // PictureWidth and PictureHeight: the drawn size in device-independent pixels.
    void setPictureDimensions(const QSize &size);
    // The size the picture is drawn at (PictureWidth, PictureHeight).
    QSize pictureBox() const;
    // MaskColor: pixels of this colour in a picture without an alpha channel
    // (a bitmap) are not drawn.
    void setMaskColor(const QColor &color);

    void setBackColor(const QColor &color);
    QColor backColor() const;
    void setForeColor(const QColor &color);
    QColor foreColor() const;

    // The XP look: a face that changes colour while hovered and pressed; with
    // the window style a rounded face with a vertical gradient, which in the
    // toolbar look (bToolBar) stays plain while idle.
    void setXPStyle(bool on);
    bool xpStyle() const { return m_xpStyle; }
    void setXPWinStyle(bool on);
    bool xpWinStyle() const { return m_xpWinStyle; }
    void setToolBar(bool on);
    void setXPColorHover(const QColor &color);
    QColor xpColorHover() const { return m_xpColorHover; }
    void setXPColorPressed(const QColor &color);
    QColor xpColorPressed() const { return m_xpColorPressed; }
    // True: hover and pressed colours derive from the system highlight colour.
    void setXPDefaultColors(bool on);
    void setOuterBorderColor(const QColor &color);
    void setXPShowBorderAlways(bool on);
    // TransparentBG: the container shows through instead of BackColor.
    void setTransparentBG(bool on);

    void setRaised(bool on);
    void setNoBorderEffect(bool on);
    void setShowFocusRect(bool on);
    void setShowBorderOnFocus(bool on);
    // BEVEL above 1 draws a bevel BEVELDEPTH pixels wide instead of the
    // single-pixel border.
    void setBevel(int bevel);
    void setBevelDepth(int pixels);
    // DefCurHand: a hand pointer over the button; off, the pointer is the
    // one set on the button (the system arrow unless set).
    void setDefCurHand(bool on);

    // SoundOver and SoundClick, played through the sounds given.
    void setSoundOver(const QString &file);
    QString soundOver() const { return m_soundOver; }
    void setSoundClick(const QString &file);
    QString soundClick() const { return m_soundClick; }
    void setSounds(ButtonSounds *sounds);

    // URL, opened through the opener after a click: a "mailto:" address by
    // the mail program, anything else by the browser; an empty URL opens
    // nothing.
    void setURL(const QString &url);
    QString url() const { return m_url; }
    void setUrlOpener(UrlOpener *opener);
    void GoToURL();

    // The pointer is over the button.
    bool isHovered() const { return m_over; }
    // The face currently shown (the hover picture while hovered, if any).
    QPixmap shownPicture() const;
    // Where the picture and the caption are drawn now.
    ButtonLayout::Places places() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void mouseIn();
    void mouseOut();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QSize captionSize() const;
    QColor hoverColor() const;
    QColor pressedColor() const;
    void paintXpWindowFace(QPainter &painter, bool pressed, bool hot) const;
    void paintFace(QPainter &painter, bool pressed, bool hot) const;
    void paintBorder(QPainter &painter, bool pressed, bool hot) const;
    void paintContent(QPainter &painter, bool pressed) const;
    QPixmap drawnPicture() const;
    void updateRegion();
    void changeLook();
    void play(const QString &file);

    QPixmap m_picture;
    QPixmap m_pictureHover;
    PicturePosition m_picturePosition = PicturePosition::Left;
    int m_pictureSize = 1;
    QSize m_pictureDimensions{32, 32};
    QSize m_originalPictureSize{32, 32};
    QColor m_maskColor{Qt::black};
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
    bool m_transparentBG = false;
    bool m_raised = false;
    bool m_noBorderEffect = false;
    bool m_showFocusRect = true;
    bool m_showBorderOnFocus = true;
    int m_bevel = 1;
    int m_bevelDepth = 8;
    QString m_soundOver = QStringLiteral(".\\resources\\over.wav");
    QString m_soundClick = QStringLiteral(".\\resources\\click.wav");
    ButtonSounds *m_sounds = nullptr;
    QString m_url;
    UrlOpener *m_urlOpener = nullptr;

    bool m_over = false;        // pointer inside
    bool m_mouseHeld = false;   // a mouse button other than the right one is down
    bool m_keyHeld = false;     // a key went down and has not come up
};
