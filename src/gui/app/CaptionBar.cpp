// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/CaptionBar.h"

#include "gui/app/AppPictures.h"
#include "gui/app/CaptionButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

namespace {

constexpr int titleLeft = 32;  // right of the mark drawn at the start of the caption picture
constexpr int buttonGap = 2;
constexpr int buttonRightMargin = 4;

CaptionButton *makeButton(const QString &name, const QString &toolTip, const QString &picture,
                          QWidget *parent)
{
    auto *button = new CaptionButton(parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setPictures(AppPictures::load(picture), AppPictures::load(picture + QStringLiteral("_hover")));
    return button;
}

} // namespace

CaptionBar::CaptionBar(const QString &title, QWidget *parent)
    : QWidget(parent),
      m_Image1(new QLabel(this)),
      m_Label1(new QLabel(title, this)),
      m_Picture6(makeButton(QStringLiteral("Picture6"), QStringLiteral("关闭"), QStringLiteral("close"), this)),
      m_Picture7(makeButton(QStringLiteral("Picture7"), QStringLiteral("最小化"), QStringLiteral("minimize"), this)),
      m_Picture8(makeButton(QStringLiteral("Picture8"), QStringLiteral("关于"), QStringLiteral("about"), this))
{
    setObjectName(QStringLiteral("CaptionBar"));
    setAccessibleName(QStringLiteral("标题栏"));
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setScaledContents(true);
    m_Image1->setMouseTracking(true);
    m_Image1->setPixmap(AppPictures::load(QStringLiteral("caption")));
    m_Image1->setAccessibleName(title);
    m_Image1->installEventFilter(this);

    m_Label1->setObjectName(QStringLiteral("Label1"));
    QFont font = m_Label1->font();
    font.setBold(true);
    font.setPointSize(10);
    m_Label1->setFont(font);
    m_Label1->installEventFilter(this);
    setTitleColor(Qt::white);

    setFixedHeight(m_Image1->pixmap().isNull() ? 28
                                               : m_Image1->pixmap().deviceIndependentSize().toSize().height());
}

void CaptionBar::setCaptionPicture(const QPixmap &picture)
{
    m_Image1->setPixmap(picture);
}

void CaptionBar::setTitleColor(const QColor &color)
{
    QPalette palette = m_Label1->palette();
    palette.setColor(QPalette::WindowText, color);
    m_Label1->setPalette(palette);
}

void CaptionBar::resizeEvent(QResizeEvent *)
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
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_dragOffset)
            window()->move(mouse->globalPosition().toPoint() - *m_dragOffset);
        else if (watched == m_Image1)
            emit captionHovered();
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            startDrag(mouse->globalPosition().toPoint());
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_dragOffset.reset();
        return false;
    default:
        return false;
    }
}

void CaptionBar::startDrag(const QPoint &globalPosition)
{
    QWindow *handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    // Without a window manager that moves windows (bare X servers) the bar
    // moves the window itself until the button is released.
    m_dragOffset = globalPosition - window()->frameGeometry().topLeft();
}
