// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QWidget>

class KorvelButton;
class QLabel;

// The main window's toolbar: the ten picture buttons `KorvelButton3_0` to
// `KorvelButton3_9` (the object name carries the index) and, at its right
// end, the speaking face `Image6`.
class ToolBand : public QWidget
{
    Q_OBJECT

public:
    enum Button {
        RecentEnglish = 0,
        RecentChinese = 1,
        Numbers = 2,
        Games = 3,
        Results = 4,
        SystemSettings = 5,
        NormalView = 6,
        AbreastView = 7,
        Sound = 8,
        Help = 9,
    };

    explicit ToolBand(QWidget *parent = nullptr);

    KorvelButton *button(int index) const { return m_buttons.value(index); }
    // The band's background and its buttons' faces: the window colour of the
    // look. Their hover and pressed faces stay RGB(224, 224, 224) in every look.
    void setBackColor(const QColor &color);
    QColor backColor() const { return m_backColor; }
    // The captions beside the pictures (and the hover frames); an invalid
    // colour gives the band's own slate.
    void setTextColor(const QColor &color);
    // Where face_change shows the speaking face for a moment.
    QLabel *faceSpot() const { return m_Image6; }

signals:
    void buttonClicked(int index);
    // A mouse press anywhere on the band (an event of the band closes the menus).
    void bandPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<KorvelButton *> m_buttons;
    QLabel *m_Image6;
    QColor m_backColor;
};
