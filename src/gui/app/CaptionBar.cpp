// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/CaptionBar.h"

#include "gui/app/CaptionButton.h"
#include "gui/app/WindowPictures.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int titleLeft = 32;  // right of the mark drawn at the start of the caption picture
constexpr int buttonGap = 2;
constexpr int buttonRightMargin = 4;

CaptionButton *makeButton(const QString &name, const QString &toolTip, QWidget *parent)
{
    auto *button = new CaptionButton(parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    return button;
}

} // namespace

CaptionBar::CaptionBar(const QString &title, const WindowPictures &pictures, QWidget *parent)
    : QWidget(parent),
      m_Image1(new QLabel(this)),
      m_Label1(new QLabel(title, this)),
      m_Picture6(makeButton(QStringLiteral("Picture6"), QStringLiteral("关闭"), this)),
      m_Picture7(makeButton(QStringLiteral("Picture7"), QStringLiteral("最小化"), this)),
      m_Picture8(makeButton(QStringLiteral("Picture8"), QStringLiteral("关于"), this))
{
    setObjectName(QStringLiteral("CaptionBar"));
    setAccessibleName(QStringLiteral("标题栏"));
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setScaledContents(true);
    m_Image1->setMouseTracking(true);
    m_Image1->setAccessibleName(title);
    m_Image1->installEventFilter(this);

    m_Label1->setObjectName(QStringLiteral("Label1"));
    QFont font = m_Label1->font();
    font.setBold(true);
    font.setPointSize(10);
    m_Label1->setFont(font);
    m_Label1->installEventFilter(this);
    setTitleColor(Qt::white);

    setPictures(pictures);
    setFixedHeight(pictures.caption.isNull() ? 28 : pictures.caption.deviceIndependentSize().toSize().height());
}

void CaptionBar::setPictures(const WindowPictures &pictures)
{
    m_Image1->setPixmap(pictures.caption);
    m_Picture6->setPictures(pictures.closeUp, pictures.closeDown);
    m_Picture7->setPictures(pictures.littleUp, pictures.littleDown);
    m_Picture8->setPictures(pictures.aboutUp, pictures.aboutDown);
    // Buttons of another size take their places anew.
    placeParts();
}

QPixmap CaptionBar::captionPicture() const
{
    return m_Image1->pixmap();
}

QColor CaptionBar::titleColor() const
{
    return m_Label1->palette().color(QPalette::WindowText);
}

void CaptionBar::setTitleColor(const QColor &color)
{
    QPalette palette = m_Label1->palette();
    palette.setColor(QPalette::WindowText, color);
    m_Label1->setPalette(palette);
}

void CaptionBar::resizeEvent(QResizeEvent *)
{
    placeParts();
}

void CaptionBar::placeParts()
{
    m_Image1->setGeometry(rect());
    m_Label1->setGeometry(titleLeft, 0, m_Label1->sizeHint().width(), height());
    int right = width() - buttonRightMargin;
    for (CaptionButton *button : {m_Picture6, m_Picture7, m_Picture8}) {
        const QSize size = button->sizeHint();
        right -= size.width();
        button->setGeometry(right, (height() - size.height()) / 2, size.width(), size.height());
        right -= buttonGap;
    }
}

bool CaptionBar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_drag.isDraggingByHand())
            m_drag.move(this, static_cast<QMouseEvent *>(event));
        else if (watched == m_Image1)
            emit captionHovered();
        return false;
    case QEvent::MouseButtonPress:
        m_drag.press(this, static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::MouseButtonRelease:
        m_drag.release();
        return false;
    default:
        return false;
    }
}
